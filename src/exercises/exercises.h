#pragma once

#include <optional>

#include "frame/exercise_window.h"
#include "shell/layout.h"

namespace vertola {

// The nine exercise windows: each operation unit defines the rules and tables of its windows.
struct ExerciseUnit {
    const ExerciseSpec& design;
    const WindowLayout& layout;
};

ExerciseUnit additionUnit(Level level);
ExerciseUnit subtractionUnit(Level level);
ExerciseUnit multiplicationUnit(Level level);  // one-digit multiplier
ExerciseUnit multiplication2Unit();            // two-digit multiplier, level 9999 only
ExerciseUnit divisionUnit(Level level);

// The unit of an exercise window, or nothing for the other windows.
std::optional<ExerciseUnit> exerciseUnit(WindowId window);

}  // namespace vertola
