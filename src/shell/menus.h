#pragma once

#include <memory>

#include "shell/window.h"

namespace vertola {

const WindowLayout& mainMenuLayout();
const WindowLayout& levelMenuLayout(Level level);
const WindowLayout& chooserLayout();

std::unique_ptr<Window> createMainMenu();
std::unique_ptr<Window> createLevelMenu(Level level);
std::unique_ptr<Window> createChooser();

}  // namespace vertola
