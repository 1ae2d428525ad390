#pragma once

#include <ostream>

#include "shell/registry.h"

namespace vertola {

// GoogleTest names a window in a failure by its name. Every test file that prints a WindowId
// must include this, or the printers of two files differ.
inline void PrintTo(WindowId window, std::ostream* os) { *os << windowName(window); }

}  // namespace vertola
