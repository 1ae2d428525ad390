#include "exercises/exercises.h"

namespace vertola {

std::optional<ExerciseUnit> exerciseUnit(WindowId window) {
    switch (window) {
        case WindowId::frm999addizioni: return additionUnit(Level::L999);
        case WindowId::frm9999addizioni: return additionUnit(Level::L9999);
        case WindowId::frm999sottrazioni: return subtractionUnit(Level::L999);
        case WindowId::frm9999sottrazioni: return subtractionUnit(Level::L9999);
        case WindowId::frm999moltiplicazioni: return multiplicationUnit(Level::L999);
        case WindowId::frm9999moltiplicazioni: return multiplicationUnit(Level::L9999);
        case WindowId::frm9999moltiplicazioni2: return multiplication2Unit();
        case WindowId::frm999divisioni: return divisionUnit(Level::L999);
        case WindowId::frm9999divisioni: return divisionUnit(Level::L9999);
        default: return std::nullopt;
    }
}

}  // namespace vertola
