#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "program_steps.h"

using namespace vertola;
using enum WindowId;

namespace {

enum class Act { Click, Esc, CloseBox, Tick };

struct Event {
    Act act;
    WindowId window;
    std::string_view control = {};
    bool reaches = true;  // whether the program lets the event through
};

Event click(WindowId window, std::string_view control, bool reaches = true) {
    return {Act::Click, window, control, reaches};
}
Event esc(WindowId window, bool reaches = true) { return {Act::Esc, window, {}, reaches}; }
Event closeBox(WindowId window, bool reaches = true) { return {Act::CloseBox, window, {}, reaches}; }
Event tick(WindowId window, bool reaches = true) { return {Act::Tick, window, {}, reaches}; }

bool deliver(Program& program, const Event& event) {
    switch (event.act) {
        case Act::Click: return program.click(event.window, event.control);
        case Act::Esc: return program.escape(event.window);
        case Act::CloseBox: return program.closeBox(event.window);
        case Act::Tick: return program.tick(event.window);
    }
    return false;
}

std::string_view stateName(WindowState state) {
    switch (state) {
        case WindowState::NotLoaded: return "NotLoaded";
        case WindowState::Hidden: return "Hidden";
        case WindowState::Shown: return "Shown";
    }
    return "?";
}

struct Road {
    std::string_view name;
    std::vector<Event> events;                   // after the start of the program
    std::map<WindowId, WindowState> loaded;      // every other window is not loaded
    bool ended = false;
};

constexpr auto Shown = WindowState::Shown;
constexpr auto Hidden = WindowState::Hidden;

// The score visit of an addition window at level 999, back to its level menu.
const std::vector<Event> kScoreVisit999{
    click(frmuno, "cmd999"),           click(frm999inizio, "cmdadd"),
    click(frm999addizioni, "cmdpunteggio"), click(frm999punteggio, "cmdcalcola"),
    click(frm999punteggio, "cmdok"),
};

std::vector<Event> then(std::vector<Event> first, const std::vector<Event>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// The windows given in their states, and every exercise window of the level loaded hidden.
std::map<WindowId, WindowState> withExercisesHidden(Level level, std::map<WindowId, WindowState> states) {
    for (WindowId id : exercisesOf(level)) states.emplace(id, Hidden);
    return states;
}

const std::vector<Road> kRoads{
    {"StartOpensOnlyTheMainMenu", {}, {{frmuno, Shown}}},
    {"Level999ButtonOpensItsMenuAndClosesMainMenu", {click(frmuno, "cmd999")}, {{frm999inizio, Shown}}},
    {"Level9999ButtonOpensItsMenuAndClosesMainMenu", {click(frmuno, "cmd9999")}, {{frm9999inizio, Shown}}},
    {"FineInLevelMenuReopensMainMenu", {click(frmuno, "cmd999"), click(frm999inizio, "cmdesci")}, {{frmuno, Shown}}},
    {"EscInLevelMenuReopensMainMenu", {click(frmuno, "cmd9999"), esc(frm9999inizio)}, {{frmuno, Shown}}},
    {"EscInMainMenuEndsProgram", {esc(frmuno)}, {}, true},
    {"ExitButtonEndsProgram", {click(frmuno, "cmdesci")}, {}, true},
    {"MainMenuReachedWithExerciseWindowsStillHidden",
     then(kScoreVisit999, {click(frm999inizio, "cmdesci")}),
     withExercisesHidden(Level::L999, {{frmuno, Shown}})},
    {"EscInMainMenuEndsProgramEvenWithHiddenExerciseWindows",
     then(kScoreVisit999, {click(frm999inizio, "cmdesci"), esc(frmuno)}), {}, true},
    {"AdditionButtonLoadsSubtractionHidden", {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd")},
     {{frm999addizioni, Shown}, {frm999sottrazioni, Hidden}}},
    {"SubtractionButtonLoadsAdditionHidden", {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdsott")},
     {{frm9999sottrazioni, Shown}, {frm9999addizioni, Hidden}}},
    {"MultiplicationButton999OpensItsWindowAndClosesMenu",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdmolt")}, {{frm999moltiplicazioni, Shown}}},
    {"DivisionButton999OpensItsWindowAndClosesMenu", {click(frmuno, "cmd999"), click(frm999inizio, "cmddiv")},
     {{frm999divisioni, Shown}}},
    {"DivisionButton9999OpensItsWindowAndClosesMenu",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmddiv")}, {{frm9999divisioni, Shown}}},
    {"MultiplicationButton9999OpensChooserOverMenu", {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt")},
     {{frm9999inizio, Shown}, {frm9999scelta, Shown}}},
    {"MultiplicationButtonAgainKeepsOneChooser",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999inizio, "cmdmolt")},
     {{frm9999inizio, Shown}, {frm9999scelta, Shown}}},
    {"ChooserOneOpensOneDigitMultiplication",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999scelta, "cmd1")},
     {{frm9999moltiplicazioni, Shown}}},
    {"ChooserTwoOpensTwoDigitMultiplication",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999scelta, "cmd2")},
     {{frm9999moltiplicazioni2, Shown}}},
    {"EscInChooserDoesNothing",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), esc(frm9999scelta, false)},
     {{frm9999inizio, Shown}, {frm9999scelta, Shown}}},
    {"ClosingChooserByTitleBarLeavesLevelMenuOpen",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), closeBox(frm9999scelta)},
     {{frm9999inizio, Shown}}},
    {"AdditionButtonWithChooserOpenLeavesChooser",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999inizio, "cmdadd")},
     {{frm9999addizioni, Shown}, {frm9999sottrazioni, Hidden}, {frm9999scelta, Shown}}},
    {"ChooserAfterItsMenuClosedStillOpensMultiplication",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999inizio, "cmdadd"),
      click(frm9999scelta, "cmd1")},
     {{frm9999addizioni, Shown}, {frm9999sottrazioni, Hidden}, {frm9999moltiplicazioni, Shown}}},
    {"DivisionButtonWithChooserOpenLeavesChooser",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999inizio, "cmddiv")},
     {{frm9999divisioni, Shown}, {frm9999scelta, Shown}}},
    {"FineInExerciseOpensLevelMenu",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd"), click(frm999addizioni, "cmdfine")},
     {{frm999inizio, Shown}, {frm999sottrazioni, Hidden}}},
    {"EscInExerciseOpensLevelMenu", {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdadd"), esc(frm9999addizioni)},
     {{frm9999inizio, Shown}, {frm9999sottrazioni, Hidden}}},
    {"FineInOneDigitMultiplicationOpensLevelMenuNotChooser",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999scelta, "cmd1"),
      click(frm9999moltiplicazioni, "cmdfine")},
     {{frm9999inizio, Shown}}},
    {"FineInTwoDigitMultiplicationOpensLevelMenuNotChooser",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), click(frm9999scelta, "cmd2"),
      click(frm9999moltiplicazioni2, "cmdfine")},
     {{frm9999inizio, Shown}}},
    {"ScoreButtonHidesExerciseAndShowsScoreWindow",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd"), click(frm999addizioni, "cmdpunteggio")},
     {{frm999addizioni, Hidden}, {frm999sottrazioni, Hidden}, {frm999punteggio, Shown}}},
    {"OkInScoreWindowOpensLevelMenuAndLoadsTheLevelHidden", kScoreVisit999,
     withExercisesHidden(Level::L999, {{frm999inizio, Shown}})},
    {"ClosingLastShownWindowEndsProgramDespiteHiddenOnes",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd"), closeBox(frm999addizioni)}, {}, true},
    {"ClosingMainMenuByTitleBarEndsProgram", {closeBox(frmuno)}, {}, true},
    {"ClosingMenuUnderChooserKeepsProgramRunning",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), closeBox(frm9999inizio)},
     {{frm9999scelta, Shown}}},
    {"ClosingChooserAfterItsMenuEndsProgram",
     {click(frmuno, "cmd9999"), click(frm9999inizio, "cmdmolt"), closeBox(frm9999inizio), closeBox(frm9999scelta)},
     {},
     true},
    {"ClosingScoreWindowWithOnlyHiddenExerciseEndsProgram",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd"), click(frm999addizioni, "cmdpunteggio"),
      closeBox(frm999punteggio)},
     {},
     true},
    {"EventsToHiddenWindowAreIgnored",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd"), click(frm999addizioni, "cmdpunteggio"),
      click(frm999addizioni, "cmdconferma", false), click(frm999addizioni, "cmdfine", false),
      esc(frm999addizioni, false), closeBox(frm999addizioni, false), closeBox(frm999sottrazioni, false)},
     {{frm999addizioni, Hidden}, {frm999sottrazioni, Hidden}, {frm999punteggio, Shown}}},
    {"EventsToWindowsNotLoadedAreIgnored",
     {click(frm999inizio, "cmdadd", false), esc(frm9999inizio, false), closeBox(frm999addizioni, false),
      tick(frm999addizioni, false), click(frm9999scelta, "cmd1", false)},
     {{frmuno, Shown}}},
    {"ClicksOnWhatIsNoButtonAreIgnored",
     {click(frmuno, "Picture2", false), click(frmuno, "nosuchcontrol", false), click(frmuno, "cmd999"),
      click(frm999inizio, "cmdadd"), click(frm999addizioni, "lbloper", false),
      click(frm999addizioni, "txturis", false)},
     {{frm999addizioni, Shown}, {frm999sottrazioni, Hidden}}},
    {"InvisibleButtonIsIgnored",
     {click(frmuno, "cmd999"), click(frm999inizio, "cmdadd"), click(frm999addizioni, "cmdpunteggio"),
      click(frm999punteggio, "cmdok", false), esc(frm999punteggio, false)},
     {{frm999addizioni, Hidden}, {frm999sottrazioni, Hidden}, {frm999punteggio, Shown}}},
    {"NoHandlerRunsAfterTheEnd",
     {esc(frmuno), click(frmuno, "cmd999", false), esc(frmuno, false), closeBox(frmuno, false),
      tick(frmuno, false)},
     {},
     true},
};

void PrintTo(const Road& row, std::ostream* os) { *os << row.name; }

class Navigation : public testing::TestWithParam<Road> {};

TEST_P(Navigation, LeavesWindowsInTheirStates) {
    const Road& road = GetParam();
    fakes::Harness h;
    h.program.start();
    for (std::size_t i = 0; i < road.events.size(); ++i) {
        const Event& event = road.events[i];
        EXPECT_EQ(deliver(h.program, event), event.reaches)
            << "event " << i << " to " << windowName(event.window) << " " << event.control;
    }
    for (WindowId id : kAllWindows) {
        const auto expected = road.loaded.count(id) ? road.loaded.at(id) : WindowState::NotLoaded;
        EXPECT_EQ(stateName(h.program.state(id)), stateName(expected)) << windowName(id);
    }
    EXPECT_EQ(h.program.ended(), road.ended);
}

INSTANTIATE_TEST_SUITE_P(Roads, Navigation, testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NavigationDetail, SubtractionLoadedByAdditionButtonKeepsItsOwnExerciseWhenOpened) {
    fakes::Harness h;
    steps::openAddition(h.program, steps::kAddition999);
    ASSERT_EQ(h.program.state(frm999sottrazioni), WindowState::Hidden);
    const std::string drawn = steps::text(h.program, frm999sottrazioni, "lbloper");
    const auto expected = expectedResult(steps::exercise(h.program, frm999sottrazioni).esercizio());
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(steps::exercise(h.program, frm999sottrazioni).giuste(), 0u);
    EXPECT_EQ(steps::exercise(h.program, frm999sottrazioni).sbagliate(), 0u);
    EXPECT_EQ(steps::text(h.program, frm999sottrazioni, "txtrisg"), "");

    h.program.click(frm999addizioni, "cmdfine");
    h.program.click(frm999inizio, "cmdsott");
    ASSERT_EQ(h.program.state(frm999sottrazioni), WindowState::Shown);
    EXPECT_EQ(steps::text(h.program, frm999sottrazioni, "lbloper"), drawn);
    EXPECT_EQ(expectedResult(steps::exercise(h.program, frm999sottrazioni).esercizio()), expected);
}

TEST(NavigationDetail, MultiplicationButtonAgainRaisesTheSameChooser) {
    fakes::Harness h;
    h.program.start();
    h.program.click(frmuno, "cmd9999");
    h.program.click(frm9999inizio, "cmdmolt");
    steps::win(h.program, frm9999scelta).setPosition({1, 2});
    const unsigned raises = h.program.raiseRequests(frm9999scelta);
    h.program.click(frm9999inizio, "cmdmolt");
    EXPECT_GT(h.program.raiseRequests(frm9999scelta), raises);
    // Not loaded again: a fresh load would have centred it.
    EXPECT_EQ(steps::win(h.program, frm9999scelta).position().left, 1);
    EXPECT_EQ(steps::win(h.program, frm9999scelta).position().top, 2);
}

struct MarkerCase {
    std::string_view name;
    std::string_view operationButton;  // in the level menu
    std::set<Unit> reset;              // the exercises whose markers go back to "0"
};

// Every exercise window of the level holds its code; the menu button decides which go back to "0".
const std::vector<MarkerCase> kMarkerCases{
    {"AdditionButtonResetsAdditionAndSubtraction", "cmdadd", {Unit::Addition, Unit::Subtraction}},
    {"SubtractionButtonResetsAdditionAndSubtraction", "cmdsott", {Unit::Addition, Unit::Subtraction}},
    {"MultiplicationButtonResetsNoMarker", "cmdmolt", {}},
    {"DivisionButtonResetsNoMarker", "cmddiv", {}},
};

void PrintTo(const MarkerCase& row, std::ostream* os) { *os << row.name; }

class LevelMenuMarkers : public testing::TestWithParam<std::tuple<MarkerCase, Level>> {};

TEST_P(LevelMenuMarkers, ResetOnlyAdditionAndSubtraction) {
    const auto& [row, level] = GetParam();
    const WindowId menu = *windowOf(Unit::LevelMenu, level);
    const std::vector<WindowId> exercises = exercisesOf(level);
    ASSERT_EQ(exercises.size(), level == Level::L999 ? 4u : 5u);
    const auto code = [](WindowId window) { return std::to_string(rowOf(window).scoreCode); };
    fakes::Harness h;
    h.program.start();
    fakes::pressOpeners(h.program, menu);
    ASSERT_EQ(h.program.state(menu), WindowState::Shown);
    for (WindowId window : exercises) h.program.loadHidden(window).setText("txtc", code(window));
    ASSERT_TRUE(h.program.click(menu, row.operationButton));
    for (WindowId window : exercises)
        EXPECT_EQ(steps::text(h.program, window, "txtc"), row.reset.count(rowOf(window).unit) ? "0" : code(window))
            << windowName(window);
}

INSTANTIATE_TEST_SUITE_P(Buttons, LevelMenuMarkers,
                         testing::Combine(testing::ValuesIn(kMarkerCases), testing::Values(Level::L999, Level::L9999)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Level::L999 ? "999" : "9999");
                         });

TEST(NavigationDetail, EndStopsEveryRunningTimer) {
    fakes::Harness h;
    steps::openAddition(h.program, steps::kAddition999);
    h.program.click(frm999addizioni, "cmdconferma");
    h.program.click(frm999addizioni, "cmdpunteggio");
    ASSERT_TRUE(h.timers.isRunning(frm999addizioni));
    h.program.closeBox(frm999punteggio);
    ASSERT_TRUE(h.program.ended());
    EXPECT_TRUE(h.timers.running.empty());
}

struct Centring {
    std::string_view name;
    WindowId window;
    SizeTwips screen;
    SizeTwips frame;
    float left, top;
};

// The outer size is the client area plus the frame; each half may end in half a twip.
const std::vector<Centring> kCentrings{
    {"MainMenuOnFullHdWithoutFrame", frmuno, {28800, 16200}, {0, 0}, 11092.5f, 5152.5f},
    {"MainMenuOnFullHdWithFrame", frmuno, {28800, 16200}, {120, 420}, 11032.5f, 4942.5f},
    {"MainMenuOnVga", frmuno, {9600, 7200}, {90, 390}, 1447.5f, 457.5f},
    {"MainMenuOnScreenSmallerThanWindow", frmuno, {6000, 4000}, {120, 420}, -367.5f, -1157.5f},
    {"MainMenuOnScreenOfExactlyItsSize", frmuno, {6735, 6315}, {120, 420}, 0.0f, 0.0f},
    {"ChooserOnFullHd", frm9999scelta, {28800, 16200}, {120, 420}, 11932.5f, 7095.0f},
    {"ScoreWindowOnFullHd", frm999punteggio, {28800, 16200}, {120, 420}, 12097.5f, 5287.5f},
    {"AdditionWindowOnSmallScreen", frm9999addizioni, {6000, 5000}, {0, 0}, -307.5f, -447.5f},
};

void PrintTo(const Centring& row, std::ostream* os) { *os << row.name; }

class WindowCentring : public testing::TestWithParam<Centring> {};

TEST_P(WindowCentring, PlacesLoadedWindowInTheMiddle) {
    const Centring& row = GetParam();
    fakes::Harness h;
    h.screen.screen = row.screen;
    h.screen.frame = row.frame;
    h.program.start();
    const Window& window = h.program.loadHidden(row.window);
    EXPECT_EQ(window.position().left, row.left);
    EXPECT_EQ(window.position().top, row.top);
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowCentring, testing::ValuesIn(kCentrings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NavigationDetail, MainMenuMovedAndReopenedIsCentredAgain) {
    fakes::Harness h;
    h.screen.screen = {28800, 16200};
    h.screen.frame = {120, 420};
    h.program.start();
    steps::win(h.program, frmuno).setPosition({10, 20});
    h.program.click(frmuno, "cmd999");
    h.program.click(frm999inizio, "cmdesci");
    ASSERT_EQ(h.program.state(frmuno), WindowState::Shown);
    EXPECT_EQ(steps::win(h.program, frmuno).position().left, 11032.5f);
    EXPECT_EQ(steps::win(h.program, frmuno).position().top, 4942.5f);
}

}  // namespace
