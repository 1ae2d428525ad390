#pragma once

#include <QPalette>

#include "shell/layout.h"

namespace vertola::ui {

// The program's own colours, light grey controls with black text on white fields, every role of
// every group set, so that no desktop theme, light or dark, changes a colour the tables give.
QPalette fixedPalette();

// The fixed palette on a window's background colour.
QPalette windowPalette(Rgb background);

// The fixed palette and a style that draws with it, for the whole program, in place of the
// desktop's; called once the application exists.
void installFixedLook();

}  // namespace vertola::ui
