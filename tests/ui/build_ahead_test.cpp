#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "ui/fonts.h"
#include "ui/warm_up.h"
#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

std::size_t loaded(const UiHarness& h) {
    return static_cast<std::size_t>(std::count_if(kAllWindows.begin(), kAllWindows.end(),
                                                  [&](WindowId id) { return h.core.program.window(id) != nullptr; }));
}

void settle(const UiHarness& h, std::size_t wanted) {
    for (int turn = 0; turn < 100 && h.view.windowsBuiltAhead() != wanted; ++turn) QCoreApplication::processEvents();
}

// The pupil's way through both levels, the same in a program that builds its windows ahead and
// in one that builds each at its click: every window it opens must look the same in both.
struct Step {
    WindowId window;
    std::string_view button;
    WindowId opens;
};

// The presses of the menu buttons that lead from a shown window to another, as the rows name them.
std::vector<Step> opening(WindowId window, WindowId from) {
    if (window == from) return {};
    const Opener& opener = *rowOf(window).opener;
    std::vector<Step> steps = opening(opener.menu, from);
    steps.push_back({opener.menu, opener.button, window});
    return steps;
}

// Every window the rows have, each level's in turn: its menu from the main menu, each exercise
// window from the menu and back by its end button, the first by way of the score window, and the
// main menu again by the level menu's end button. Most windows come twice, once built again.
std::vector<Step> pupilsWay() {
    const WindowId mainMenu = *windowOf(Unit::MainMenu);
    std::vector<Step> way;
    for (Level level : {Level::L999, Level::L9999}) {
        const WindowId menu = *windowOf(Unit::LevelMenu, level);
        const WindowId score = *windowOf(Unit::Score, level);
        const std::vector<WindowId> exercises = exercisesOf(level);
        std::ranges::copy(opening(menu, mainMenu), std::back_inserter(way));
        for (WindowId exercise : exercises) {
            std::ranges::copy(opening(exercise, menu), std::back_inserter(way));
            if (exercise == exercises.front()) {
                way.insert(way.end(), {{exercise, "cmdpunteggio", score}, {score, "cmdcalcola", score},
                                       {score, "cmdok", menu}});
            } else {
                way.push_back({exercise, "cmdfine", menu});
            }
        }
        way.push_back({menu, "cmdesci", mainMenu});
    }
    return way;
}

TEST(BuildAhead, EveryWindowOpenedFromAWidgetBuiltAheadLooksAsOneBuiltAtItsClick) {
    UiHarness ahead;
    UiHarness atClick;
    ahead.view.start();
    atClick.view.start();
    ahead.view.buildAhead(0);
    settle(ahead, kWindowCount - 1);
    ASSERT_EQ(ahead.view.windowsBuiltAhead(), kWindowCount - 1);
    const std::vector<Step> way = pupilsWay();
    std::set<WindowId> opened;
    for (const Step& step : way) {
        SCOPED_TRACE(std::string(windowName(step.window)) + "." + std::string(step.button));
        opened.insert(step.opens);
        for (UiHarness* h : {&ahead, &atClick}) {
            h->core.random.push({{123, 999}, {45, 999}, {6, 999}, {7, 9}, {8, 9}});
            h->press(step.window, step.button);
        }
        ASSERT_NE(ahead.widget(step.opens), nullptr);
        ASSERT_NE(atClick.widget(step.opens), nullptr);
        EXPECT_TRUE(ahead.widget(step.opens)->isVisible());
        EXPECT_EQ(ahead.widget(step.opens)->pos(), atClick.widget(step.opens)->pos());
        EXPECT_EQ(ahead.widget(step.opens)->grab().toImage(), atClick.widget(step.opens)->grab().toImage());
        settle(ahead, kWindowCount - loaded(ahead));
    }
    EXPECT_EQ(opened.size(), kWindowCount);
}

TEST(BuildAhead, AClosedWindowIsBuiltAheadAgainAndNothingStaysOnceTheProgramEnds) {
    UiHarness h;
    h.view.start();
    h.view.buildAhead(0);
    settle(h, kWindowCount - 1);
    h.press(WindowId::frmuno, "cmd999");
    h.press(WindowId::frm999inizio, "cmdadd");
    h.press(WindowId::frm999addizioni, "cmdfine");
    EXPECT_EQ(h.widget(WindowId::frm999addizioni), nullptr);
    settle(h, kWindowCount - loaded(h));
    const std::size_t built = h.view.windowsBuiltAhead();
    EXPECT_EQ(built, kWindowCount - loaded(h));
    h.press(WindowId::frm999inizio, "cmdadd");
    EXPECT_EQ(h.view.windowsBuiltAhead(), built - 1);
    EXPECT_TRUE(h.widget(WindowId::frm999addizioni)->isVisible());
    h.press(WindowId::frm999addizioni, "cmdfine");
    h.press(WindowId::frm999inizio, "cmdesci");
    h.press(WindowId::frmuno, "cmdesci");
    ASSERT_TRUE(h.core.program.ended());
    EXPECT_EQ(h.view.windowsBuiltAhead(), 0u);
}

TEST(TextSamples, HoldEveryFaceOfTheTablesWithEveryCharacterItsCaptionsShow) {
    const std::vector<ui::TextSample> samples = ui::textSamples();
    for (WindowId id : kAllWindows) {
        for (const ControlSpec& design : layoutOf(id).controls) {
            if (design.kind == Kind::Line || design.kind == Kind::Picture) continue;
            SCOPED_TRACE(std::string(layoutOf(id).name) + " " + std::string(design.name));
            const QFont font = ui::controlFont(design);
            auto sample = std::find_if(samples.begin(), samples.end(), [&](const ui::TextSample& s) { return s.font == font; });
            ASSERT_NE(sample, samples.end());
            const QString shown = qs(design.caption).remove(QLatin1Char('&'));
            for (QChar c : shown) EXPECT_TRUE(sample->characters.contains(c)) << int(c.unicode());
        }
    }
}

// Labels and buttons draw without fallback faces, so their own face must hold every character
// the tables and the core put in them: ASCII and the accented letters of Italian.
TEST(TextFaces, EveryLabelAndButtonFaceHoldsEveryCharacterTheProgramShows) {
    QString shown = QStringLiteral("àèéìòùÀÈÉÌÒÙ");
    for (char16_t c = 0x20; c < 0x7f; ++c) shown += QChar(c);
    for (WindowId id : kAllWindows) {
        for (const ControlSpec& design : layoutOf(id).controls) {
            if (design.kind != Kind::Label && design.kind != Kind::Button && design.kind != Kind::PictureButton) continue;
            const QFontMetrics metrics(ui::controlFont(design));
            for (QChar c : std::as_const(shown))
                EXPECT_TRUE(metrics.inFontUcs4(c.unicode())) << layoutOf(id).name << " " << design.name << " " << int(c.unicode());
        }
    }
}

}  // namespace
