#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

struct PlacementCase {
    const char* name;
    SizeTwips screen;
    QPoint expected;  // logical pixels, the core's twips rounded
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

const PlacementCase kPlacements[] = {
    // (15360 - 6615) / 2 = 4372.5 twips, 291.5 pixels; (11520 - 5895) / 2 = 2812.5 twips, 187.5 pixels.
    {"CentredOnALargeScreen", {1024 * 15, 768 * 15}, {292, 188}},
    {"CentredOnAnExactScreen", {441 * 15 + 30, 393 * 15 + 60}, {1, 2}},
    {"ScreenSmallerThanTheWindow", {401 * 15, 353 * 15}, {-20, -20}},
};

class WindowPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacement, TheMainMenuIsPutWhereItsLoadCentredIt) {
    UiHarness h;
    h.core.screen.screen = GetParam().screen;
    h.view.start();
    EXPECT_EQ(h.widget(WindowId::frmuno)->pos(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowPlacement, ::testing::ValuesIn(kPlacements),
                         [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST(WindowPlacement, TheMainMenuLoadedAgainIsCentredAgain) {
    UiHarness h;
    h.view.start();
    const QPoint centred = h.widget(WindowId::frmuno)->pos();
    h.widget(WindowId::frmuno)->move(centred + QPoint(50, 30));
    h.press(WindowId::frmuno, "cmd999");
    h.press(WindowId::frm999inizio, "cmdesci");
    EXPECT_EQ(h.widget(WindowId::frmuno)->pos(), centred);
}

}  // namespace
