#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "program_steps.h"

using namespace vertola;
using steps::AdditionLevel;

namespace {

constexpr std::string_view kRight = "Complimenti! Vai avanti";
constexpr std::string_view kWrong = "Sbagliato! Ripeti";

// The frame as the two addition windows show it; every test starts in the addition window
// opened from its level menu on the forced addition 312 + 45 + 7 (or 3120 + 450 + 70).
class Frame : public testing::TestWithParam<AdditionLevel> {
protected:
    void SetUp() override {
        const int n = level().n;
        const int scale = n == 999 ? 1 : 10;
        h.random.push({{312 * scale, n}, {45 * scale, n}, {7 * scale, n}});
        steps::openAddition(h.program, level());
        ASSERT_EQ(h.program.state(id()), WindowState::Shown);
        ASSERT_EQ(steps::shownSum(h.program, level()), 364 * scale);
    }

    const AdditionLevel& level() const { return GetParam(); }
    WindowId id() const { return GetParam().window; }
    std::string text(std::string_view control) const { return steps::text(h.program, id(), control); }
    Window& window() { return steps::win(h.program, id()); }
    void checkRight() { steps::answerRight(h.program, level()); }
    void checkWrong() { steps::answerWrong(h.program, level()); }
    void forceNext(int a, int b, int c) { h.random.push({{a, level().n}, {b, level().n}, {c, level().n}}); }

    fakes::Harness h;
};

TEST_P(Frame, CounterBoxesAreEmptyBeforeTheFirstCheck) {
    EXPECT_EQ(text("txtrisg"), "");
    EXPECT_EQ(text("txtriss"), "");
    EXPECT_EQ(text("txttot"), "");
    EXPECT_EQ(text("txtc"), "0");
    EXPECT_EQ(text("lblmessaggio"), "");
    EXPECT_EQ(window().focus(), level().firstCell);
}

TEST_P(Frame, RightAnswerPraisesInBlueWithoutBeep) {
    checkRight();
    EXPECT_EQ(text("lblmessaggio"), kRight);
    EXPECT_EQ(window().foreColor("lblmessaggio"), (Rgb{0, 0, 255}));
    EXPECT_EQ(h.beeper.beeps, 0);
}

TEST_P(Frame, WrongAnswerScoldsInRedWithOneBeep) {
    checkWrong();
    EXPECT_EQ(text("lblmessaggio"), kWrong);
    EXPECT_EQ(window().foreColor("lblmessaggio"), (Rgb{255, 0, 0}));
    EXPECT_EQ(h.beeper.beeps, 1);
}

TEST_P(Frame, RightAnswerAfterWrongTurnsMessageBlueAgain) {
    checkWrong();
    checkRight();
    EXPECT_EQ(window().foreColor("lblmessaggio"), (Rgb{0, 0, 255}));
    EXPECT_EQ(h.beeper.beeps, 1);
}

TEST_P(Frame, RightAnswerMovesFocusToFirstOperandCell) {
    h.program.focusIn(id(), "txturis");
    const unsigned requests = window().focusRequests();
    checkRight();
    EXPECT_EQ(window().focus(), level().firstCell);
    EXPECT_GT(window().focusRequests(), requests);
}

TEST_P(Frame, WrongAnswerMovesFocusToUnitsResultCell) {
    h.program.focusIn(id(), level().firstCell);
    const unsigned requests = window().focusRequests();
    checkWrong();
    EXPECT_EQ(window().focus(), "txturis");
    EXPECT_GT(window().focusRequests(), requests);
}

TEST_P(Frame, RightAnswerEmptiesResultAndOperandCellsAndDrawsAgain) {
    steps::fillOperands(h.program, level(), "7");
    forceNext(1, 2, 3);
    checkRight();
    for (std::string_view cell : level().resultCells) EXPECT_EQ(text(cell), "") << cell;
    for (std::string_view cell : level().operandCells) EXPECT_EQ(text(cell), "") << cell;
    EXPECT_EQ(text("lbloper"), "1 + 2 + 3");
}

TEST_P(Frame, WrongAnswerKeepsOperandCellsAndExercise) {
    steps::fillOperands(h.program, level(), "7");
    const std::string before = text("lbloper");
    forceNext(1, 2, 3);
    checkWrong();
    for (std::string_view cell : level().resultCells) EXPECT_EQ(text(cell), "") << cell;
    for (std::string_view cell : level().operandCells) EXPECT_EQ(text(cell), "7") << cell;
    EXPECT_EQ(text("lbloper"), before);
    // No value was drawn: the forced addition is still waiting.
    EXPECT_EQ(h.random.queue.size(), 3u);
}

TEST_P(Frame, WrongAnswerThenEmptyRowCountsSecondWrong) {
    checkWrong();
    h.program.click(id(), "cmdconferma");
    EXPECT_EQ(text("lblmessaggio"), kWrong);
    EXPECT_EQ(text("txtrisg"), "0");
    EXPECT_EQ(text("txtriss"), "2");
    EXPECT_EQ(text("txttot"), "2");
    EXPECT_EQ(h.beeper.beeps, 2);
}

TEST_P(Frame, FirstWrongAnswerPublishesZeroOneOne) {
    checkWrong();
    EXPECT_EQ(text("txtrisg"), "0");
    EXPECT_EQ(text("txtriss"), "1");
    EXPECT_EQ(text("txttot"), "1");
}

TEST_P(Frame, CounterBoxesFollowEveryCheck) {
    struct Step {
        bool right;
        std::string_view giuste, sbagliate, totale;
    };
    const std::vector<Step> road{{true, "1", "0", "1"},  {false, "1", "1", "2"}, {false, "1", "2", "3"},
                                 {true, "2", "2", "4"},  {true, "3", "2", "5"}};
    for (const Step& step : road) {
        step.right ? checkRight() : checkWrong();
        EXPECT_EQ(text("lblmessaggio"), step.right ? kRight : kWrong);
        EXPECT_EQ(text("txtrisg"), step.giuste);
        EXPECT_EQ(text("txtriss"), step.sbagliate);
        EXPECT_EQ(text("txttot"), step.totale);
    }
    EXPECT_EQ(steps::exercise(h.program, id()).giuste(), 3u);
    EXPECT_EQ(steps::exercise(h.program, id()).sbagliate(), 2u);
}

TEST_P(Frame, TimerIsStartedByTheFirstCheckWithThreeSeconds) {
    EXPECT_FALSE(h.timers.isRunning(id()));
    checkWrong();
    ASSERT_TRUE(h.timers.isRunning(id()));
    EXPECT_EQ(h.timers.running.at(id()).intervalMs, 3000);
}

TEST_P(Frame, TickEmptiesMessageButKeepsItsColour) {
    checkWrong();
    h.timers.advance(h.program, 2999);
    EXPECT_EQ(text("lblmessaggio"), kWrong);
    h.timers.advance(h.program, 1);
    EXPECT_EQ(text("lblmessaggio"), "");
    EXPECT_EQ(window().foreColor("lblmessaggio"), (Rgb{255, 0, 0}));
    EXPECT_TRUE(h.timers.isRunning(id()));
}

TEST_P(Frame, MessageOfALaterCheckIsEmptiedWithinThreeSeconds) {
    checkWrong();
    h.timers.advance(h.program, 2000);
    checkRight();
    EXPECT_EQ(text("lblmessaggio"), kRight);
    h.timers.advance(h.program, 3000);
    EXPECT_EQ(text("lblmessaggio"), "");
}

// Each check starts the timer's three seconds again, so no message is cut short.
TEST_P(Frame, MessageOfALaterCheckStaysItsFullThreeSeconds) {
    checkWrong();
    h.timers.advance(h.program, 2000);
    checkWrong();
    h.timers.advance(h.program, 2999);
    EXPECT_EQ(text("lblmessaggio"), kWrong);
    h.timers.advance(h.program, 1);
    EXPECT_EQ(text("lblmessaggio"), "");
}

TEST_P(Frame, TimerKeepsTickingWhileWindowIsHidden) {
    checkRight();
    h.program.click(id(), "cmdpunteggio");
    ASSERT_EQ(h.program.state(id()), WindowState::Hidden);
    EXPECT_TRUE(h.timers.isRunning(id()));
    h.timers.advance(h.program, 3000);
    EXPECT_EQ(text("lblmessaggio"), "");
}

TEST_P(Frame, TimerStopsWhenWindowIsClosedByFine) {
    checkRight();
    h.program.click(id(), "cmdfine");
    EXPECT_FALSE(h.timers.isRunning(id()));
    h.timers.advance(h.program, 10'000);
    EXPECT_EQ(h.program.state(id()), WindowState::NotLoaded);
}

TEST_P(Frame, FineOpensLevelMenuAndNextOpeningStartsAfresh) {
    checkRight();
    checkWrong();
    h.program.click(id(), "cmdfine");
    EXPECT_EQ(h.program.state(level().menu), WindowState::Shown);
    EXPECT_EQ(h.program.state(id()), WindowState::NotLoaded);

    forceNext(5, 6, 7);
    h.program.click(level().menu, "cmdadd");
    ASSERT_EQ(h.program.state(id()), WindowState::Shown);
    EXPECT_EQ(text("lbloper"), "5 + 6 + 7");
    EXPECT_EQ(text("txtrisg"), "");
    EXPECT_EQ(text("txtriss"), "");
    EXPECT_EQ(steps::exercise(h.program, id()).giuste(), 0u);
    EXPECT_EQ(steps::exercise(h.program, id()).sbagliate(), 0u);
}

TEST_P(Frame, ScoreVisitKeepsExerciseAndCounters) {
    checkRight();
    checkWrong();
    const std::string exercise = text("lbloper");
    h.program.click(id(), "cmdpunteggio");
    EXPECT_EQ(text("txtc"), "1");
    h.program.click(level().score, "cmdcalcola");
    h.program.click(level().score, "cmdok");
    h.program.click(level().menu, "cmdadd");
    ASSERT_EQ(h.program.state(id()), WindowState::Shown);
    EXPECT_EQ(text("lbloper"), exercise);
    EXPECT_EQ(text("txtrisg"), "1");
    EXPECT_EQ(text("txtriss"), "1");
    EXPECT_EQ(text("txttot"), "2");
    checkWrong();
    EXPECT_EQ(text("txtriss"), "2");
}

TEST_P(Frame, CountsFarPastThirtyTwoBitsArePublishedExactly) {
    steps::exercise(h.program, id()).setCounts(1ULL << 63, 1ULL << 62);
    checkWrong();
    EXPECT_EQ(text("txtrisg"), "9223372036854775808");
    EXPECT_EQ(text("txtriss"), "4611686018427387905");
    EXPECT_EQ(text("txttot"), "13835058055282163713");
    steps::exercise(h.program, id()).setCounts((1ULL << 40) - 1, 0);
    checkRight();
    EXPECT_EQ(text("txtrisg"), "1099511627776");
    EXPECT_EQ(text("txtriss"), "0");
    EXPECT_EQ(text("txttot"), "1099511627776");
}

INSTANTIATE_TEST_SUITE_P(Additions, Frame, testing::Values(steps::kAddition999, steps::kAddition9999),
                         [](const auto& info) { return std::string(info.param.name); });

// The random source as the frame uses it: one re-seed from the clock at the start of every check
// and at every load, before any value is drawn.
class FrameReseeding : public testing::TestWithParam<AdditionLevel> {
protected:
    void SetUp() override {
        steps::openAddition(c.program, GetParam());
        ASSERT_EQ(c.program.state(GetParam().window), WindowState::Shown);
    }
    steps::CountingHarness c;
};

TEST_P(FrameReseeding, LoadReseedsBeforeItsFirstDraw) {
    // The addition window and the subtraction window loaded hidden: each starts with a re-seed.
    ASSERT_FALSE(c.random.trace.empty());
    EXPECT_EQ(c.random.trace.front(), 'S');
    EXPECT_EQ(std::count(c.random.trace.begin(), c.random.trace.end(), 'S'), 2);
}

TEST_P(FrameReseeding, WrongCheckReseedsOnceFromClockAndDrawsNothing) {
    c.random.trace.clear();
    c.random.seeds.clear();
    const std::uint64_t now = c.clock.now;
    steps::answerWrong(c.program, GetParam());
    EXPECT_EQ(c.random.trace, "S");
    ASSERT_EQ(c.random.seeds.size(), 1u);
    EXPECT_EQ(c.random.seeds[0], now);
}

TEST_P(FrameReseeding, RightCheckReseedsOnceBeforeTheNewDraw) {
    c.random.trace.clear();
    steps::answerRight(c.program, GetParam());
    ASSERT_GE(c.random.trace.size(), 4u);
    EXPECT_EQ(c.random.trace.front(), 'S');
    EXPECT_EQ(std::count(c.random.trace.begin(), c.random.trace.end(), 'S'), 1);
}

TEST_P(FrameReseeding, EveryCheckTakesAFreshClockReading) {
    c.random.seeds.clear();
    for (int i = 0; i < 5; ++i) steps::answerWrong(c.program, GetParam());
    ASSERT_EQ(c.random.seeds.size(), 5u);
    for (std::size_t i = 1; i < c.random.seeds.size(); ++i) EXPECT_GT(c.random.seeds[i], c.random.seeds[i - 1]);
}

INSTANTIATE_TEST_SUITE_P(Additions, FrameReseeding, testing::Values(steps::kAddition999, steps::kAddition9999),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
