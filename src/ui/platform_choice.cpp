#include "ui/platform_choice.h"

#include <cstdlib>
#include <string_view>

namespace vertola::ui {

namespace {

bool present(const std::optional<std::string>& value) { return value && !value->empty(); }

// "xcb", or "xcb:option", as the only platform asked for.
bool asksOnlyForX11(std::string_view platform) {
    if (platform.find(';') != std::string_view::npos) return false;
    return platform.substr(0, platform.find(':')) == "xcb";
}

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

}  // namespace

PlatformChoice choosePlatform(const DisplayEnvironment& environment) {
    const bool x11 = present(environment.display);
    if (present(environment.qpaPlatform)) {
        const bool onlyX11 = asksOnlyForX11(*environment.qpaPlatform);
        return {.displayAvailable = !onlyX11 || x11, .platform = {}};
    }
    if (x11) return {.displayAvailable = true, .platform = "xcb"};
    // Qt would try X11 first unless the session says it is Wayland's, and GNOME's it never believes.
    if (present(environment.waylandDisplay)) return {.displayAvailable = true, .platform = "wayland"};
    return {};
}

DisplayEnvironment currentDisplayEnvironment() {
    return {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY")};
}

}  // namespace vertola::ui
