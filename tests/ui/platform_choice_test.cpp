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
};

void PrintTo(const PlatformCase& c, std::ostream* os) { *os << c.name; }

const PlatformCase kCases[] = {
    {"X11Desktop", {std::nullopt, ":0", std::nullopt}, true, "xcb"},
    {"WaylandWithXWayland", {std::nullopt, ":0", "wayland-0"}, true, "xcb"},
    {"WaylandOnly", {std::nullopt, std::nullopt, "wayland-0"}, true, "wayland"},
    {"NoDisplayAtAll", {std::nullopt, std::nullopt, std::nullopt}, false, ""},
    {"EmptyVariablesAreNoDisplay", {"", "", ""}, false, ""},
    {"OffscreenNeedsNoDisplay", {"offscreen", std::nullopt, std::nullopt}, true, ""},
    {"ChosenX11WithoutDisplay", {"xcb", std::nullopt, "wayland-0"}, false, ""},
    {"ChosenX11WithOptions", {"xcb:nomultiscreen", ":1", std::nullopt}, true, ""},
    {"ChosenWaylandIsLeftToQt", {"wayland", ":0", "wayland-0"}, true, ""},
    {"ChosenListMayFallBack", {"wayland;xcb", std::nullopt, "wayland-0"}, true, ""},
};

class PlatformChoice : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(PlatformChoice, PrefersX11AndKnowsWhenNoDisplayCanBeOpened) {
    const PlatformCase& c = GetParam();
    const vertola::ui::PlatformChoice choice = choosePlatform(c.environment);
    EXPECT_EQ(choice.displayAvailable, c.displayAvailable);
    EXPECT_EQ(choice.platform, c.platform);
}

INSTANTIATE_TEST_SUITE_P(Environments, PlatformChoice, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PlatformCase>& info) { return info.param.name; });

}  // namespace
