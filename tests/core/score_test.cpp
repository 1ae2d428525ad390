#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program_steps.h"

using namespace vertola;
using enum WindowId;

namespace {

constexpr std::string_view kSuper = "Super!!!!";
constexpr std::string_view kBravissimo = "Sei stato bravissimo!!!";
constexpr std::string_view kBravo = "Bravo!!";
constexpr std::string_view kAbbastanza = "Abbastanza bene, ma puoi fare di meglio.";
constexpr std::string_view kNonCiSiamo = "Non ci siamo. Esercitati di più";

const std::vector<std::string_view> kResultControls{"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto",
                                                    "cmdok"};

std::string scoreText(const Program& program, WindowId score, std::string_view control) {
    return steps::text(program, score, control);
}

struct Grading {
    std::string_view name;
    std::string_view giuste, sbagliate;  // as the addition window published them
    std::string_view shownGiuste, shownSbagliate, message;
};

// Percentages named by their value; the counts past 2^53 are exact as doubles.
const std::vector<Grading> kGradings{
    {"NoAnswers", "", "", "0", "0", ""},
    {"Percent100", "5", "0", "5", "0", kSuper},
    {"Percent99_5", "199", "1", "199", "1", kBravissimo},
    {"Percent90", "9", "1", "9", "1", kBravissimo},
    {"Percent89_9", "899", "101", "899", "101", kBravo},
    {"Percent88_9", "8", "1", "8", "1", kBravo},
    {"Percent75", "3", "1", "3", "1", kBravo},
    {"Percent74_9", "749", "251", "749", "251", kAbbastanza},
    {"Percent66_67", "2", "1", "2", "1", kAbbastanza},
    {"Percent60", "3", "2", "3", "2", kAbbastanza},
    {"Percent59_9", "599", "401", "599", "401", kNonCiSiamo},
    {"Percent50", "1", "1", "1", "1", kNonCiSiamo},
    {"Percent0", "0", "1", "0", "1", kNonCiSiamo},
    {"Right327Perfect", "327", "0", "327", "0", kSuper},
    {"Right328Perfect", "328", "0", "328", "0", kSuper},
    {"Right328OneWrong", "328", "1", "328", "1", kBravissimo},
    {"Right40000OneWrong", "40000", "1", "40000", "1", kBravissimo},
    {"Right40000Percent60", "40000", "26666", "40000", "26666", kAbbastanza},
    {"Right2Pow31Perfect", "2147483648", "0", "2147483648", "0", kSuper},
    {"Right2Pow31Percent50", "2147483648", "2147483648", "2147483648", "2147483648", kNonCiSiamo},
    {"Right3Times2Pow31Percent75", "6442450944", "2147483648", "6442450944", "2147483648", kBravo},
    {"Right2Pow53OneWrong", "9007199254740992", "1", "9007199254740992", "1", kBravissimo},
    {"Right2Pow60OneWrongIsNotSuper", "1152921504606846976", "1", "1152921504606846976", "1", kBravissimo},
    {"Right9Times2Pow55Percent90", "324259173170675712", "36028797018963968", "324259173170675712",
     "36028797018963968", kBravissimo},
    {"Right3Times2Pow58Percent75", "864691128455135232", "288230376151711744", "864691128455135232",
     "288230376151711744", kBravo},
    {"Right2Pow63Perfect", "9223372036854775808", "0", "9223372036854775808", "0", kSuper},
    {"Wrong2Pow60", "0", "1152921504606846976", "0", "1152921504606846976", kNonCiSiamo},
};

void PrintTo(const Grading& row, std::ostream* os) { *os << row.name; }

class ScoreGrade : public testing::TestWithParam<Grading> {};

TEST_P(ScoreGrade, ShowsCountsAndTheGradeOfTheirPercentage) {
    const Grading& row = GetParam();
    fakes::Harness h;
    steps::openAddition(h.program, steps::kAddition999);
    h.program.loadHidden(frm999addizioni).setText("txtrisg", std::string(row.giuste));
    h.program.loadHidden(frm999addizioni).setText("txtriss", std::string(row.sbagliate));
    ASSERT_TRUE(h.program.click(frm999addizioni, "cmdpunteggio"));
    ASSERT_TRUE(h.program.click(frm999punteggio, "cmdcalcola"));
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblrisg"), row.shownGiuste);
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblriss"), row.shownSbagliate);
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblvoto"), row.message);
}

INSTANTIATE_TEST_SUITE_P(Bands, ScoreGrade, testing::ValuesIn(kGradings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreGradeDetail, CountsReachedByChecksAreGraded) {
    fakes::Harness h;
    steps::openAddition(h.program, steps::kAddition9999);
    for (int i = 0; i < 3; ++i) steps::answerRight(h.program, steps::kAddition9999);
    steps::answerWrong(h.program, steps::kAddition9999);
    h.program.click(frm9999addizioni, "cmdpunteggio");
    h.program.click(frm9999punteggio, "cmdcalcola");
    EXPECT_EQ(scoreText(h.program, frm9999punteggio, "lblrisg"), "3");
    EXPECT_EQ(scoreText(h.program, frm9999punteggio, "lblriss"), "1");
    EXPECT_EQ(scoreText(h.program, frm9999punteggio, "lblvoto"), kBravo);
}

struct Published {
    std::string_view giuste, sbagliate, message;
};

// Each exercise window publishes counts with a grade of its own, so the shown grade names it.
const std::map<Unit, Published> kPublished{
    {Unit::Addition, {"1", "0", kSuper}},       {Unit::Subtraction, {"2", "2", kNonCiSiamo}},
    {Unit::Multiplication, {"3", "1", kBravo}}, {Unit::Multiplication2, {"5", "2", kAbbastanza}},
    {Unit::Division, {"9", "1", kBravissimo}},
};

// A window by what it is: the score window of level 999, the division of level 9999.
WindowId at(Unit unit, Level level) { return *windowOf(unit, level); }

Level theOther(Level level) { return level == Level::L999 ? Level::L9999 : Level::L999; }

struct Lookup {
    std::string_view name;
    Level level;  // of the score window asked
    std::vector<std::pair<WindowId, std::string_view>> markers;
    std::optional<Unit> supplier;  // of the level; none: no window holds its own code
};

using enum Unit;
using enum Level;

const std::vector<Lookup> kLookups{
    {"OnlyAddition999", L999, {{at(Addition, L999), "1"}}, Addition},
    {"MultiplicationBeatsAddition999", L999, {{at(Addition, L999), "1"}, {at(Multiplication, L999), "3"}},
     Multiplication},
    {"DivisionBeatsSubtraction999", L999, {{at(Subtraction, L999), "2"}, {at(Division, L999), "4"}}, Division},
    {"DivisionBeatsAll999", L999,
     {{at(Addition, L999), "1"},
      {at(Subtraction, L999), "2"},
      {at(Multiplication, L999), "3"},
      {at(Division, L999), "4"}},
     Division},
    {"NoMarker999", L999, {}, std::nullopt},
    {"AnotherWindowsCodeDoesNotMatch999", L999, {{at(Division, L999), "1"}}, std::nullopt},
    {"OnlyOneDigitMultiplication9999", L9999, {{at(Multiplication, L9999), "3"}}, Multiplication},
    {"TwoDigitBeatsOneDigitMultiplication9999", L9999,
     {{at(Multiplication, L9999), "3"}, {at(Multiplication2, L9999), "5"}}, Multiplication2},
    {"DivisionBeatsBothMultiplications9999", L9999,
     {{at(Multiplication, L9999), "3"}, {at(Multiplication2, L9999), "5"}, {at(Division, L9999), "4"}}, Division},
    {"TwoDigitMultiplicationBeatsAddition9999", L9999,
     {{at(Addition, L9999), "1"}, {at(Multiplication2, L9999), "5"}}, Multiplication2},
    {"SubtractionBeatsAddition9999", L9999, {{at(Addition, L9999), "1"}, {at(Subtraction, L9999), "2"}},
     Subtraction},
    {"OneDigitCodeInTwoDigitWindowDoesNotMatch9999", L9999, {{at(Multiplication2, L9999), "3"}}, std::nullopt},
    {"OtherLevelIsNotRead9999", L9999, {{at(Addition, L999), "1"}, {at(Division, L999), "4"}}, std::nullopt},
};

void PrintTo(const Lookup& row, std::ostream* os) { *os << row.name; }

class ScoreLookup : public testing::TestWithParam<Lookup> {};

TEST_P(ScoreLookup, LaterWindowInCheckOrderSuppliesTheCounts) {
    const Lookup& row = GetParam();
    const WindowId score = at(Score, row.level);
    fakes::Harness h;
    h.program.start();
    for (Level level : {L999, L9999}) {
        for (WindowId window : exercisesOf(level)) {
            const Published& published = kPublished.at(rowOf(window).unit);
            Window& exercise = h.program.loadHidden(window);
            exercise.setText("txtrisg", std::string(published.giuste));
            exercise.setText("txtriss", std::string(published.sbagliate));
        }
    }
    for (const auto& [window, marker] : row.markers)
        h.program.loadHidden(window).setText("txtc", std::string(marker));
    // As an exercise window's "Punteggio" would.
    h.program.open(score);
    ASSERT_TRUE(h.program.click(score, "cmdcalcola"));
    const Published expected = row.supplier ? kPublished.at(*row.supplier) : Published{"0", "0", ""};
    EXPECT_EQ(scoreText(h.program, score, "lblrisg"), expected.giuste);
    EXPECT_EQ(scoreText(h.program, score, "lblriss"), expected.sbagliate);
    EXPECT_EQ(scoreText(h.program, score, "lblvoto"), expected.message);
}

INSTANTIATE_TEST_SUITE_P(Markers, ScoreLookup, testing::ValuesIn(kLookups),
                         [](const auto& info) { return std::string(info.param.name); });

// A level's windows, as their rows name them: its score window, its menu, its addition, and its
// exercise windows in the order the score window examines them.
struct LevelScore {
    explicit LevelScore(Level level)
        : score(at(Score, level)),
          menu(at(LevelMenu, level)),
          addition(at(Addition, level)),
          windows(exercisesOf(level)),
          otherLevel(exercisesOf(theOther(level))) {}
    WindowId score;
    WindowId menu;
    WindowId addition;
    std::vector<WindowId> windows;
    std::vector<WindowId> otherLevel;
};

class ScoreLevel : public testing::TestWithParam<Level> {};

TEST(ScoreLevelDetail, EachLevelHasItsOwnExerciseWindows) {
    EXPECT_EQ(LevelScore(L999).windows.size(), 4u);
    EXPECT_EQ(LevelScore(L9999).windows.size(), 5u);
}

TEST_P(ScoreLevel, CalcolaResetsEveryMarkerOfItsLevelOnly) {
    const LevelScore level(GetParam());
    fakes::Harness h;
    h.program.start();
    for (WindowId window : level.windows) h.program.loadHidden(window).setText("txtc", "3");
    for (WindowId window : level.otherLevel) h.program.loadHidden(window).setText("txtc", "3");
    h.program.open(level.score);
    h.program.click(level.score, "cmdcalcola");
    for (WindowId window : level.windows) EXPECT_EQ(steps::text(h.program, window, "txtc"), "0") << windowName(window);
    for (WindowId window : level.otherLevel)
        EXPECT_EQ(steps::text(h.program, window, "txtc"), "3") << windowName(window);
}

TEST_P(ScoreLevel, WindowsNotLoadedAreLoadedHiddenForTheRead) {
    const LevelScore level(GetParam());
    fakes::Harness h;
    h.program.start();
    fakes::pressOpeners(h.program, level.menu);
    h.program.open(level.score);
    for (WindowId window : level.windows) ASSERT_EQ(h.program.state(window), WindowState::NotLoaded);
    h.program.click(level.score, "cmdcalcola");
    for (WindowId window : level.windows) {
        EXPECT_EQ(h.program.state(window), WindowState::Hidden) << windowName(window);
        EXPECT_EQ(steps::text(h.program, window, "txtc"), "0") << windowName(window);
    }
    for (WindowId window : level.otherLevel) EXPECT_EQ(h.program.state(window), WindowState::NotLoaded);
    EXPECT_EQ(scoreText(h.program, level.score, "lblrisg"), "0");
    EXPECT_EQ(scoreText(h.program, level.score, "lblriss"), "0");
    EXPECT_EQ(scoreText(h.program, level.score, "lblvoto"), "");
}

TEST_P(ScoreLevel, OkOpensLevelMenuAndClosesScoreWindow) {
    const LevelScore level(GetParam());
    fakes::Harness h;
    h.program.start();
    fakes::pressOpeners(h.program, level.addition);
    h.program.click(level.addition, "cmdpunteggio");
    h.program.click(level.score, "cmdcalcola");
    ASSERT_TRUE(h.program.click(level.score, "cmdok"));
    EXPECT_EQ(h.program.state(level.menu), WindowState::Shown);
    EXPECT_EQ(h.program.state(level.score), WindowState::NotLoaded);
    EXPECT_EQ(h.program.state(level.addition), WindowState::Hidden);
}

TEST_P(ScoreLevel, EscLeavesOnlyOnceOkIsShown) {
    const LevelScore level(GetParam());
    fakes::Harness h;
    h.program.start();
    fakes::pressOpeners(h.program, level.addition);
    h.program.click(level.addition, "cmdpunteggio");
    EXPECT_FALSE(h.program.escape(level.score));
    EXPECT_EQ(h.program.state(level.score), WindowState::Shown);
    EXPECT_EQ(h.program.state(level.menu), WindowState::NotLoaded);
    h.program.click(level.score, "cmdcalcola");
    EXPECT_TRUE(h.program.escape(level.score));
    EXPECT_EQ(h.program.state(level.score), WindowState::NotLoaded);
    EXPECT_EQ(h.program.state(level.menu), WindowState::Shown);
}

TEST_P(ScoreLevel, ScoreButtonShowsOnlyCalcolaAndCalcolaShowsTheRest) {
    const LevelScore level(GetParam());
    fakes::Harness h;
    h.program.start();
    fakes::pressOpeners(h.program, level.addition);
    h.program.click(level.addition, "cmdpunteggio");
    const Window& score = steps::win(h.program, level.score);
    for (std::string_view control : kResultControls) EXPECT_FALSE(score.visible(control)) << control;
    EXPECT_FALSE(score.visible("pctpallot"));
    EXPECT_TRUE(score.visible("cmdcalcola"));

    h.program.click(level.score, "cmdcalcola");
    for (std::string_view control : kResultControls) EXPECT_TRUE(score.visible(control)) << control;
    EXPECT_TRUE(score.visible("pctpallot"));
    EXPECT_FALSE(score.visible("cmdcalcola"));
    // Gone from view, the button can no longer be pressed: the computation runs once.
    EXPECT_FALSE(h.program.click(level.score, "cmdcalcola"));
}

TEST_P(ScoreLevel, ScoreButtonReturnsAComputedScoreWindowToCalcola) {
    const LevelScore level(GetParam());
    fakes::Harness h;
    h.program.start();
    fakes::pressOpeners(h.program, level.addition);
    h.program.open(level.score);
    h.program.click(level.score, "cmdcalcola");
    ASSERT_TRUE(h.program.click(level.addition, "cmdpunteggio"));
    const Window& score = steps::win(h.program, level.score);
    for (std::string_view control : kResultControls) EXPECT_FALSE(score.visible(control)) << control;
    // The picture stands where the button is; left visible it would cover it.
    EXPECT_FALSE(score.visible("pctpallot"));
    EXPECT_TRUE(score.visible("cmdcalcola"));
    EXPECT_EQ(steps::text(h.program, level.addition, "txtc"), "1");
}

INSTANTIATE_TEST_SUITE_P(Levels, ScoreLevel, testing::Values(L999, L9999),
                         [](const auto& info) { return info.param == L999 ? "Level999" : "Level9999"; });

TEST(ScoreRoundTrip, AdditionComesBackAsLeftWithItsMarkerAtZero) {
    fakes::Harness h;
    const auto& level = steps::kAddition999;
    steps::openAddition(h.program, level);
    steps::answerRight(h.program, level);
    steps::answerWrong(h.program, level);
    h.program.edit(frm999addizioni, "txth1", "3");
    h.program.edit(frm999addizioni, "txturis", "5");
    const std::string exercise = steps::text(h.program, frm999addizioni, "lbloper");

    h.program.click(frm999addizioni, "cmdpunteggio");
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txtc"), "1");
    h.program.click(frm999punteggio, "cmdcalcola");
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblrisg"), "1");
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblriss"), "1");
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblvoto"), kNonCiSiamo);
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txtc"), "0");
    h.program.click(frm999punteggio, "cmdok");
    h.program.click(frm999inizio, "cmdadd");

    ASSERT_EQ(h.program.state(frm999addizioni), WindowState::Shown);
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "lbloper"), exercise);
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txth1"), "3");
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txturis"), "5");
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txtrisg"), "1");
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txtriss"), "1");
    EXPECT_EQ(steps::text(h.program, frm999addizioni, "txtc"), "0");
}

TEST(ScoreRoundTrip, LaterRequestFromAnotherWindowReadsOnlyThatWindow) {
    fakes::Harness h;
    steps::openAddition(h.program, steps::kAddition999);
    steps::answerRight(h.program, steps::kAddition999);
    h.program.click(frm999addizioni, "cmdpunteggio");
    h.program.click(frm999punteggio, "cmdcalcola");
    h.program.click(frm999punteggio, "cmdok");
    h.program.click(frm999inizio, "cmdmolt");
    // An empty result row is wrong: every product drawn is above 0.
    h.program.click(frm999moltiplicazioni, "cmdconferma");
    h.program.click(frm999moltiplicazioni, "cmdpunteggio");
    h.program.click(frm999punteggio, "cmdcalcola");
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblrisg"), "0");
    EXPECT_EQ(scoreText(h.program, frm999punteggio, "lblriss"), "1");
}

}  // namespace
