#pragma once

#include <memory>

#include "shell/window.h"

namespace vertola {

const WindowLayout& scoreLayout(Level level);
std::unique_ptr<Window> createScoreWindow(WindowId id);

}  // namespace vertola
