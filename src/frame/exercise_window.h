#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "frame/operation.h"
#include "shell/window.h"

namespace vertola {

inline constexpr int kFeedbackIntervalMs = 3000;
inline constexpr std::string_view kRightMessage = "Complimenti! Vai avanti";
inline constexpr std::string_view kWrongMessage = "Sbagliato! Ripeti";

// A staircase row of a division, its cells from left to right; the units cell is the last.
using RemainderRow = std::span<const std::string_view>;

// What one of the nine exercise windows adds to the shared frame.
struct ExerciseSpec {
    WindowId id;
    WindowId levelMenu;
    WindowId scoreWindow;
    DrawRule rule;
    std::span<const std::string_view> resultCells;      // joined from the highest column down
    std::span<const RemainderRow> remainderRows;        // division only: the lowest row first
    std::span<const std::string_view> emptiedEveryCheck;
    std::span<const std::string_view> emptiedAfterRight;
    std::string_view focusRight;
    std::string_view focusWrong;
};

// The frame every exercise window shares: load, the check protocol, the counters and their
// hidden boxes, the feedback message and its timer, "&Punteggio" and "&Fine".
class ExerciseWindow final : public Window {
public:
    ExerciseWindow(const ExerciseSpec& design, const WindowLayout& layout);

    const ExerciseSpec& design() const { return design_; }
    std::string_view checkButton() const { return layout().checkButton; }
    const Esercizio& esercizio() const { return esercizio_; }
    std::uint64_t giuste() const { return giuste_; }
    std::uint64_t sbagliate() const { return sbagliate_; }
    double risposta() const { return risposta_; }
    bool timerEnabled() const { return timerEnabled_; }

    // For tests and the random walk: counts far beyond what a pupil reaches.
    void setCounts(std::uint64_t giuste, std::uint64_t sbagliate);

    void load(Program& program) override;
    void clicked(Program& program, std::string_view control) override;
    void ticked(Program& program) override;

private:
    void drawExercise(Program& program);
    bool judge();
    void check(Program& program);
    void askScore(Program& program);
    void finish(Program& program);

    const ExerciseSpec& design_;
    Esercizio esercizio_;
    std::uint64_t giuste_ = 0;
    std::uint64_t sbagliate_ = 0;
    double risposta_ = 0;
    double rispostaresto_ = 0;
    bool timerEnabled_ = false;
};

// The remainder text of a division: the lowest staircase row whose units cell is not empty.
std::string remainderText(const Window& window, std::span<const RemainderRow> rowsLowestFirst);

}  // namespace vertola
