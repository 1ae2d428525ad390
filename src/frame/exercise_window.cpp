#include "frame/exercise_window.h"

#include "frame/numeric_reading.h"
#include "frame/random_source.h"
#include "frame/score_code.h"
#include "shell/program.h"

namespace vertola {

ExerciseWindow::ExerciseWindow(const ExerciseSpec& design, const WindowLayout& layout)
    : Window(design.id, layout), design_(design) {}

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
    else if (control == "cmdpunteggio") askScore(program);
    else if (control == "cmdfine") finish(program);
}

// The colour stays: after a wrong answer the emptied message is still red.
void ExerciseWindow::ticked(Program&) { setText("lblmessaggio", ""); }

std::string remainderText(const Window& window, std::span<const RemainderRow> rowsLowestFirst) {
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
    for (std::string_view cell : design_.resultCells) answer += text(cell);
    setText("txtris", std::move(answer));
    risposta_ = readNumber(text("txtris"));
    bool right = risposta_ == static_cast<double>(expectedResult(esercizio_));
    if (!design_.remainderRows.empty()) {
        setText("txtresto", remainderText(*this, design_.remainderRows));
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
        setFocus(design_.focusRight);
        ++giuste_;
    } else {
        services.beeper.beep();
        setText("lblmessaggio", std::string(kWrongMessage));
        setForeColor("lblmessaggio", kRed);
        setFocus(design_.focusWrong);
        ++sbagliate_;
    }
    for (std::string_view cell : design_.emptiedEveryCheck) setText(cell, "");
    if (text("lblmessaggio") == kRightMessage) {
        for (std::string_view cell : design_.emptiedAfterRight) setText(cell, "");
        drawExercise(program);
    }
    setText("txtrisg", plainDecimal(giuste_));
    setText("txtriss", plainDecimal(sbagliate_));
    setText("txttot", plainDecimal(giuste_ + sbagliate_));
}

// The exercise window stays loaded, hidden, with its timer running; no count is copied here.
void ExerciseWindow::askScore(Program& program) {
    Window& score = program.open(design_.scoreWindow);
    program.hide(id());
    // The picture goes too: a score window already computed would otherwise cover the button with it.
    for (std::string_view control : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok", "pctpallot"})
        score.setVisible(control, false);
    score.setVisible("cmdcalcola", true);
    setText("txtc", plainDecimal(static_cast<unsigned long long>(scoreCode(id()))));
}

void ExerciseWindow::finish(Program& program) {
    program.open(design_.levelMenu);
    program.close(id());
}

}  // namespace vertola
