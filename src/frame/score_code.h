#pragma once

#include "shell/window_id.h"

namespace vertola {

// The number "&Punteggio" writes into an exercise window's hidden txtc, by which a score window
// tells which window asked: one per operation, and one more for the two-digit multiplier.
// 0, the box's resting value, belongs to no window.
constexpr int scoreCode(WindowId window) {
    switch (window) {
        case WindowId::frm999addizioni:
        case WindowId::frm9999addizioni: return 1;
        case WindowId::frm999sottrazioni:
        case WindowId::frm9999sottrazioni: return 2;
        case WindowId::frm999moltiplicazioni:
        case WindowId::frm9999moltiplicazioni: return 3;
        case WindowId::frm999divisioni:
        case WindowId::frm9999divisioni: return 4;
        case WindowId::frm9999moltiplicazioni2: return 5;
        default: return 0;
    }
}

}  // namespace vertola
