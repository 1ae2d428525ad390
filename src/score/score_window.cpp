#include "score/score_window.h"

#include "arithmetic/numeric_reading.h"
#include "score/grade.h"
#include "shell/hidden_boxes.h"
#include "shell/program.h"

namespace vertola {

namespace {

class ScoreWindow final : public Window {
public:
    explicit ScoreWindow(WindowId id) : Window(id, scoreLayout(*rowOf(id).level)), level_(*rowOf(id).level) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmdcalcola")
            compute(program);
        else if (control == "cmdok")
            leave(program);
    }

private:
    // The window shows everything it holds but the button that asked.
    void compute(Program& program) {
        for (const ControlSpec& control : layout().controls) setVisible(control.name, true);
        setVisible("cmdcalcola", false);
        // The exercise windows are examined in their rows' order, and the last match wins; with
        // no window holding its code the counts stay 0 and 0, and no grade is given.
        Counts counts;
        for (WindowId requester : exercisesOf(level_)) {
            const Window& exercise = program.loadHidden(requester);
            if (requestsScore(exercise, rowOf(requester).scoreCode)) counts = publishedCounts(exercise);
        }
        for (WindowId window : markerResetOrder(level_)) clearScoreRequest(program.loadHidden(window));
        setText("lblrisg", plainDecimal(counts.giuste));
        setText("lblriss", plainDecimal(counts.sbagliate));
        setText("lblvoto", std::string(grade(counts.giuste, counts.sbagliate)));
        // The pressed button is gone; the keyboard goes on from the button that leaves.
        setFocus("cmdok");
    }

    void leave(Program& program) {
        program.open(*windowOf(Unit::LevelMenu, level_));
        program.close(id());
    }

    Level level_;
};

}  // namespace

std::unique_ptr<Window> createScoreWindow(WindowId id) { return std::make_unique<ScoreWindow>(id); }

}  // namespace vertola
