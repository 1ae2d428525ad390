#include "frame/exercise_window.h"

#include "arithmetic/numeric_reading.h"
#include "arithmetic/random_source.h"
#include "shell/hidden_boxes.h"
#include "shell/program.h"

namespace vertola {

ExerciseWindow::ExerciseWindow(WindowId id, const ExerciseSpec& design, const WindowLayout& layout)
    : Window(id, layout), design_(design), level_(*rowOf(id).level) {}

void ExerciseWindow::setCounts(std::uint64_t giuste, std::uint64_t sbagliate) {
    giuste_ = giuste;
    sbagliate_ = sbagliate;
}

void ExerciseWindow::load(Program& program) {
    program.services().random.reseed(program.services().clock.timeOfDayNanos());
    drawExercise(program);
    giuste_ = 0;
    sbagliate_ = 0;
}

void ExerciseWindow::drawExercise(Program& program) {
    esercizio_ = draw(design_.rule, program.services().random);
    setText("lbloper", caption(esercizio_));
}

void ExerciseWindow::clicked(Program& program, std::string_view control) {
    if (control == checkButton())
        check(program);
    else if (control == "cmdpunteggio")
        askScore(program);
    else if (control == "cmdfine")
        finish(program);
}

// The colour stays: after a wrong answer the emptied message is still red.
void ExerciseWindow::ticked(Program&) { setText("lblmessaggio", ""); }

std::string remainderText(const Window& window,
                          const std::vector<std::vector<std::string_view>>& rowsLowestFirst) {
    if (rowsLowestFirst.empty()) return {};
    // A blank in a units cell still selects its row; only the empty text passes it over.
    std::size_t chosen = rowsLowestFirst.size() - 1;
    for (std::size_t i = 0; i + 1 < rowsLowestFirst.size(); ++i) {
        if (!window.text(rowsLowestFirst[i].back()).empty()) {
            chosen = i;
            break;
        }
    }
    std::string text;
    for (std::string_view cell : rowsLowestFirst[chosen]) text += window.text(cell);
    return text;
}

bool ExerciseWindow::judge() {
    std::string answer;
    for (std::string_view cell : design_.grid.resultCells()) answer += text(cell);
    setText("txtris", std::move(answer));
    risposta_ = readNumber(text("txtris"));
    bool right = risposta_ == static_cast<double>(expectedResult(esercizio_));
    const std::vector<std::vector<std::string_view>> staircase = design_.grid.remainderRows();
    if (!staircase.empty()) {
        setText("txtresto", remainderText(*this, staircase));
        rispostaresto_ = readNumber(text("txtresto"));
        right = right && rispostaresto_ == static_cast<double>(expectedRemainder(esercizio_));
    }
    return right;
}

void ExerciseWindow::check(Program& program) {
    const Services& services = program.services();
    services.random.reseed(services.clock.timeOfDayNanos());
    const bool right = judge();
    // Enabling the running timer again restarts its count, so every message gets its full time.
    timerEnabled_ = true;
    services.timers.start(id(), kFeedbackIntervalMs);
    if (right) {
        setText("lblmessaggio", std::string(kRightMessage));
        setForeColor("lblmessaggio", kBlue);
        setFocus(design_.grid.focusRight());
        ++giuste_;
    } else {
        services.beeper.beep();
        setText("lblmessaggio", std::string(kWrongMessage));
        setForeColor("lblmessaggio", kRed);
        setFocus(design_.grid.focusWrong());
        ++sbagliate_;
    }
    for (std::string_view cell : design_.grid.emptiedEveryCheck()) setText(cell, "");
    if (right) {
        for (std::string_view cell : design_.grid.emptiedAfterRight()) setText(cell, "");
        drawExercise(program);
    }
    publishCounts(*this, {giuste_, sbagliate_});
}

// The exercise window stays loaded, hidden, with its timer running; no count is copied here. The
// score window shows as it is drawn, with only its button to compute: one computed earlier would
// otherwise cover the button with its picture.
void ExerciseWindow::askScore(Program& program) {
    Window& score = program.open(*windowOf(Unit::Score, level_));
    program.hide(id());
    score.showAsDrawn();
    requestScore(*this, rowOf(id()).scoreCode);
}

void ExerciseWindow::finish(Program& program) {
    program.open(*windowOf(Unit::LevelMenu, level_));
    program.close(id());
}

}  // namespace vertola
