#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "arithmetic/random_source.h"
#include "exercise_driver.h"
#include "exercises/exercises.h"

using namespace vertola;
using fakes::Draws;
using fakes::ExerciseDriver;
using fakes::Typed;

namespace {

WindowId subtractionWindow(Level level) { return *windowOf(Unit::Subtraction, level); }

int drawRange(Level level) { return level == Level::L999 ? 999 : 9999; }

std::vector<std::string_view> resultRow(Level level) {
    if (level == Level::L999) return {"txthris", "txtdaris", "txturis"};
    return {"txtkris", "txthris", "txtdaris", "txturis"};
}

std::vector<std::string_view> operandCells(Level level) {
    if (level == Level::L999) return {"txth1", "txtda1", "txtu1", "txth2", "txtda2", "txtu2"};
    return {"txtk1", "txth1", "txtda1", "txtu1", "txtk2", "txth2", "txtda2", "txtu2"};
}

// The texts of the result row, highest column first.
Typed inResultRow(Level level, const std::vector<std::string_view>& texts) {
    const auto cells = resultRow(level);
    Typed typed;
    for (std::size_t i = 0; i < texts.size(); ++i) typed.emplace_back(cells[i], texts[i]);
    return typed;
}

TEST(SubtractionDraw, GivesAPositiveDifferenceWithinTheLevel) {
    struct Case {
        Level level;
        int draws;
    };
    // Level 9999 needs more draws before a subtrahend of 0 or a difference of 1 turns up.
    for (auto [level, draws] : {Case{Level::L999, 20000}, Case{Level::L9999, 200000}}) {
        SCOPED_TRACE(drawRange(level));
        const int n = drawRange(level);
        Xoshiro random(static_cast<std::uint64_t>(n));
        int zeroSubtrahends = 0;
        int smallest = INT_MAX;
        int largestMinuend = 0;
        for (int i = 0; i < draws; ++i) {
            const auto s = std::get<Sottrazione>(draw(subtractionUnit(level).design.rule, random));
            ASSERT_GE(s.num2, 0);
            ASSERT_GT(s.num1, s.num2);
            ASSERT_LE(s.num1, n - 1);
            ASSERT_EQ(s.risultato, s.num1 - s.num2);
            ASSERT_GE(s.risultato, 1);
            ASSERT_LE(s.risultato, n - 1);
            zeroSubtrahends += s.num2 == 0;
            smallest = std::min(smallest, s.risultato);
            largestMinuend = std::max(largestMinuend, s.num1);
        }
        EXPECT_GT(zeroSubtrahends, 0);
        EXPECT_EQ(smallest, 1);
        EXPECT_EQ(largestMinuend, n - 1);
    }
}

TEST(SubtractionDraw, RedrawsPairsThatAreNotInOrderInsteadOfSwappingThem) {
    struct Case {
        Level level;
        Draws draws;
        std::string caption;
    };
    const std::vector<Case> cases{
        {Level::L999, {{47, 999}, {512, 999}, {300, 999}, {12, 999}}, "300 - 12"},
        {Level::L999, {{5, 999}, {5, 999}, {6, 999}, {5, 999}}, "6 - 5"},
        {Level::L999, {{0, 999}, {0, 999}, {512, 999}, {0, 999}}, "512 - 0"},
        {Level::L999, {{998, 999}, {0, 999}}, "998 - 0"},
        {Level::L9999, {{999, 9999}, {1000, 9999}, {1000, 9999}, {999, 9999}}, "1000 - 999"},
        {Level::L9999, {{9998, 9999}, {9998, 9999}, {9998, 9999}, {0, 9999}}, "9998 - 0"},
    };
    for (const Case& c : cases) {
        ExerciseDriver d(subtractionWindow(c.level), c.draws);
        EXPECT_EQ(d.text("lbloper"), c.caption);
        EXPECT_TRUE(d.h.random.queue.empty()) << c.caption;
    }
}

TEST(SubtractionCheck, JudgesTheJoinedResultRow) {
    struct Case {
        Level level;
        int minuend, subtrahend;
        std::vector<std::string_view> result;  // highest column first
        std::string txtris;
        bool right;
    };
    const std::vector<Case> cases{
        {Level::L999, 512, 47, {"", "", ""}, "", false},
        {Level::L9999, 1000, 999, {"", "", "", ""}, "", false},
        {Level::L999, 512, 0, {"5", "1", "2"}, "512", true},
        {Level::L999, 998, 0, {"9", "9", "8"}, "998", true},
        {Level::L9999, 9998, 0, {"9", "9", "9", "8"}, "9998", true},
        {Level::L9999, 1000, 999, {"", "", "", "1"}, "1", true},
        {Level::L9999, 1000, 999, {"0", "0", "0", "1"}, "0001", true},
        {Level::L999, 50, 5, {"0", "4", "5"}, "045", true},
        {Level::L999, 50, 5, {"4", "5", ""}, "45", true},
        {Level::L999, 50, 5, {"", "4", "5"}, "45", true},
        {Level::L9999, 1234, 1189, {"0", "0", "4", "5"}, "0045", true},
        {Level::L999, 200, 77, {"1", "23", ""}, "123", true},
        {Level::L999, 50, 5, {"4", "5", "x"}, "45x", true},
        {Level::L999, 50, 5, {"x", "4", "5"}, "x45", false},
        {Level::L999, 50, 5, {"4", " ", "5"}, "4 5", true},
        {Level::L999, 50, 5, {"-", "4", "5"}, "-45", false},
        {Level::L999, 50, 5, {"4", ".", "5"}, "4.5", false},
        {Level::L999, 50, 5, {"4", ",", "5"}, "4,5", false},
        // The comma ends the number, so the same cells are right for a difference of 4.
        {Level::L999, 50, 46, {"4", ",", "5"}, "4,5", true},
        // The digits of the subtrahend instead of the difference.
        {Level::L999, 512, 47, {"", "4", "7"}, "47", false},
    };
    for (const Case& c : cases) {
        const int n = drawRange(c.level);
        ExerciseDriver d(subtractionWindow(c.level), {{c.minuend, n}, {c.subtrahend, n}});
        SCOPED_TRACE(d.text("lbloper") + " with " + c.txtris);
        d.type(inResultRow(c.level, c.result));
        d.check();
        EXPECT_EQ(d.text("txtris"), c.txtris);
        EXPECT_EQ(d.praised(), c.right);
    }
}

TEST(SubtractionCheck, WrongDifferenceKeepsTheOperationAndEmptiesOnlyTheResultRow) {
    for (Level level : {Level::L999, Level::L9999}) {
        SCOPED_TRACE(drawRange(level));
        const int n = drawRange(level);
        ExerciseDriver d(subtractionWindow(level), {{512, n}, {47, n}});
        Typed operands;
        for (std::string_view cell : operandCells(level)) operands.emplace_back(cell, "7");
        d.type(operands);
        d.type(inResultRow(level, {"5", "6", "5"}));
        d.check();

        EXPECT_EQ(d.text("lblmessaggio"), kWrongMessage);
        EXPECT_EQ(d.window().foreColor("lblmessaggio"), kRed);
        EXPECT_EQ(d.h.beeper.beeps, 1);
        EXPECT_EQ(d.window().focus(), "txturis");
        EXPECT_EQ(d.text("lbloper"), "512 - 47");
        for (std::string_view cell : resultRow(level)) EXPECT_EQ(d.text(cell), "") << cell;
        for (std::string_view cell : operandCells(level)) EXPECT_EQ(d.text(cell), "7") << cell;
        EXPECT_EQ(d.text("txtrisg"), "0");
        EXPECT_EQ(d.text("txtriss"), "1");

        // The emptied row reads 0, and a difference is never 0.
        d.check();
        EXPECT_EQ(d.text("lblmessaggio"), kWrongMessage);
        EXPECT_EQ(d.text("txtriss"), "2");
        EXPECT_EQ(d.text("txttot"), "2");
    }
}

TEST(SubtractionCheck, RightDifferenceEmptiesEveryCellAndDrawsANewSubtraction) {
    for (Level level : {Level::L999, Level::L9999}) {
        SCOPED_TRACE(drawRange(level));
        const int n = drawRange(level);
        ExerciseDriver d(subtractionWindow(level), {{512, n}, {47, n}});
        Typed operands;
        for (std::string_view cell : operandCells(level)) operands.emplace_back(cell, "x");
        d.type(operands);
        d.type(fakes::alignedRight(resultRow(level), "465"));
        d.force({{300, n}, {12, n}});
        d.check();

        EXPECT_EQ(d.text("lblmessaggio"), kRightMessage);
        EXPECT_EQ(d.window().foreColor("lblmessaggio"), kBlue);
        EXPECT_EQ(d.h.beeper.beeps, 0);
        EXPECT_EQ(d.window().focus(), level == Level::L999 ? "txth1" : "txtk1");
        EXPECT_EQ(d.text("lbloper"), "300 - 12");
        for (std::string_view cell : resultRow(level)) EXPECT_EQ(d.text(cell), "") << cell;
        for (std::string_view cell : operandCells(level)) EXPECT_EQ(d.text(cell), "") << cell;
        EXPECT_EQ(d.text("txtrisg"), "1");
        EXPECT_EQ(d.text("txtriss"), "0");
        EXPECT_EQ(d.text("txttot"), "1");
    }
}

TEST(SubtractionWindow, OpensFromTheLevelMenuWithTheFocusInTheMinuend) {
    for (auto [level, firstCell] : {std::pair{Level::L999, "txth1"}, std::pair{Level::L9999, "txtk1"}}) {
        fakes::Harness h;
        h.program.start();
        const WindowId id = subtractionWindow(level);
        ASSERT_TRUE(fakes::pressOpeners(h.program, rowOf(id).opener->menu));
        h.random.push({{512, drawRange(level)}, {0, drawRange(level)}});
        ASSERT_TRUE(fakes::pressOpeners(h.program, id));
        ASSERT_EQ(h.program.state(id), WindowState::Shown);
        const Window& w = *h.program.window(id);
        EXPECT_EQ(w.text("lbloper"), "512 - 0");
        EXPECT_EQ(w.focus(), firstCell);
        EXPECT_EQ(w.text("txtrisg"), "");
        EXPECT_EQ(w.text("txtriss"), "");
    }
}

}  // namespace
