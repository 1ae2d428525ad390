#pragma once

#include <memory>

#include "shell/window.h"

namespace vertola {

const WindowLayout& mainMenuLayout();
const WindowLayout& levelMenuLayout(Level level);
const WindowLayout& chooserLayout();

// The menus open the windows whose rows name their buttons as openers.
std::unique_ptr<Window> createMainMenu(WindowId id);
std::unique_ptr<Window> createLevelMenu(WindowId id);
std::unique_ptr<Window> createChooser(WindowId id);

}  // namespace vertola
