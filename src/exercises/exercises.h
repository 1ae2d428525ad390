#pragma once

#include "frame/exercise_window.h"
#include "shell/layout.h"

namespace vertola {

// The nine exercise windows: each operation unit defines the rules and tables of its windows, by
// level.
struct ExerciseUnit {
    const ExerciseSpec& design;
    const WindowLayout& layout;
};

ExerciseUnit additionUnit(Level level);
ExerciseUnit subtractionUnit(Level level);
ExerciseUnit multiplicationUnit(Level level);  // one-digit multiplier
ExerciseUnit multiplication2Unit();            // two-digit multiplier, level 9999 only
ExerciseUnit divisionUnit(Level level);

}  // namespace vertola
