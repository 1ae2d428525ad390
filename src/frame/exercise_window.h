#pragma once

#include <cstdint>
#include <string_view>

#include "arithmetic/operation.h"
#include "frame/grid.h"
#include "shell/window.h"

namespace vertola {

inline constexpr int kFeedbackIntervalMs = 3000;
inline constexpr std::string_view kRightMessage = "Complimenti! Vai avanti";
inline constexpr std::string_view kWrongMessage = "Sbagliato! Ripeti";

// What one of the nine exercise windows adds to the shared frame: how its operation is drawn, and
// its grid.
struct ExerciseSpec {
    DrawRule rule;
    Grid grid;
};

// The frame every exercise window shares: load, the check protocol, the counters and their
// hidden boxes, the feedback message and its timer, "&Punteggio" and "&Fine".
class ExerciseWindow final : public Window {
public:
    ExerciseWindow(WindowId id, const ExerciseSpec& design, const WindowLayout& layout);

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
    Level level_;
    Esercizio esercizio_;
    std::uint64_t giuste_ = 0;
    std::uint64_t sbagliate_ = 0;
    double risposta_ = 0;
    double rispostaresto_ = 0;
    bool timerEnabled_ = false;
};

// The remainder text of a division: the lowest staircase row whose units cell is not empty.
std::string remainderText(const Window& window,
                          const std::vector<std::vector<std::string_view>>& rowsLowestFirst);

}  // namespace vertola
