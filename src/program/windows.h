#pragma once

#include "shell/program.h"

namespace vertola {

// Every window's table, as its row's unit and level give it.
const WindowLayout& layoutOf(WindowId window);

// How every window is made from its row, handed to the program.
const WindowMaker& windowMaker();

}  // namespace vertola
