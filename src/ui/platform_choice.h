#pragma once

#include <optional>
#include <string>

namespace vertola::ui {

// The variables that decide which display the program can reach.
struct DisplayEnvironment {
    std::optional<std::string> qpaPlatform;     // QT_QPA_PLATFORM
    std::optional<std::string> display;         // DISPLAY
    std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
};

struct PlatformChoice {
    bool displayAvailable = false;
    // The platform to ask Qt for; empty leaves Qt's own choice.
    std::string platform;
};

// On Wayland a client cannot place its windows, so X11 is preferred whenever it is reachable,
// and the centring works; without it the program runs on Wayland natively, and without any
// display at all that is known before Qt is asked.
PlatformChoice choosePlatform(const DisplayEnvironment& environment);

DisplayEnvironment currentDisplayEnvironment();

}  // namespace vertola::ui
