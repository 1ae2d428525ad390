#include <gtest/gtest.h>

#include "ui/platform_choice.h"

using vertola::ui::choosePlatform;
using vertola::ui::DisplayEnvironment;

namespace {

struct PlatformCase {
    const char* name;
    DisplayEnvironment environment;
    bool displayAvailable;
    const char* platform;
    bool x11Only;
};

void PrintTo(const PlatformCase& c, std::ostream* os) { *os << c.name; }

const PlatformCase kCases[] = {
    {"X11Desktop", {std::nullopt, ":0", std::nullopt}, true, "xcb", true},
    {"WaylandWithXWayland", {std::nullopt, ":0", "wayland-0"}, true, "xcb", true},
    {"WaylandOnly", {std::nullopt, std::nullopt, "wayland-0"}, true, "", false},
    {"NoDisplayAtAll", {std::nullopt, std::nullopt, std::nullopt}, false, "", false},
    {"EmptyVariablesAreNoDisplay", {"", "", ""}, false, "", false},
    {"OffscreenNeedsNoDisplay", {"offscreen", std::nullopt, std::nullopt}, true, "", false},
    {"ChosenX11WithoutDisplay", {"xcb", std::nullopt, "wayland-0"}, false, "", true},
    {"ChosenX11WithOptions", {"xcb:nomultiscreen", ":1", std::nullopt}, true, "", true},
    {"ChosenWaylandIsLeftToQt", {"wayland", ":0", "wayland-0"}, true, "", false},
    {"ChosenListMayFallBack", {"wayland;xcb", std::nullopt, "wayland-0"}, true, "", false},
};

class PlatformChoice : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(PlatformChoice, PrefersX11AndKnowsWhenNoDisplayCanBeOpened) {
    const PlatformCase& c = GetParam();
    const vertola::ui::PlatformChoice choice = choosePlatform(c.environment);
    EXPECT_EQ(choice.displayAvailable, c.displayAvailable);
    EXPECT_EQ(choice.platform, c.platform);
    EXPECT_EQ(choice.x11Only, c.x11Only);
}

INSTANTIATE_TEST_SUITE_P(Environments, PlatformChoice, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PlatformCase>& info) { return info.param.name; });

}  // namespace
