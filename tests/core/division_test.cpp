#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "exercise_driver.h"
#include "exercises/exercises.h"
#include "arithmetic/random_source.h"

using namespace vertola;
using fakes::ExerciseDriver;
using fakes::Typed;

namespace {

// What tells the two division windows apart.
struct DivisionLevel {
    Level level;
    WindowId window;
    int n;           // the dividend is drawn over n values
    int smallest;    // the smallest dividend accepted
    std::vector<std::string_view> quotient;  // highest column first
    std::vector<std::string_view> staircase;
    std::vector<std::string_view> operands;  // the dividend, then the divisor
    std::string_view firstCell;
};

const DivisionLevel k999{Level::L999, WindowId::frm999divisioni, 999, 21,
                         {"txthris", "txtdaris", "txturis"},
                         {"txtparh1", "txtparda1", "txtparu1", "txtparda2", "txtparu2", "txtparu3"},
                         {"txth1", "txtda1", "txtu1", "txtdivis"}, "txth1"};
const DivisionLevel k9999{Level::L9999, WindowId::frm9999divisioni, 9999, 1001,
                          {"txtkris", "txthris", "txtdaris", "txturis"},
                          {"txtpark1", "txtparh1", "txtparda1", "txtparu1", "txtparh2", "txtparda2", "txtparu2",
                           "txtparda3", "txtparu3", "txtparu4"},
                          {"txtk1", "txth1", "txtda1", "txtu1", "txtdivis"}, "txtk1"};

const DivisionLevel& at(Level level) { return level == Level::L999 ? k999 : k9999; }

// Opens the window of the level on dividend : divisor.
ExerciseDriver dividing(const DivisionLevel& l, int dividend, int divisor) {
    return ExerciseDriver(l.window, {{dividend, l.n}, {divisor, 9}});
}

Typed inRow(const std::vector<std::string_view>& cells, const std::vector<std::string_view>& texts) {
    Typed typed;
    for (std::size_t i = 0; i < texts.size(); ++i) typed.emplace_back(cells[i], texts[i]);
    return typed;
}

Typed filled(const std::vector<std::string_view>& cells, std::string_view text) {
    Typed typed;
    for (std::string_view cell : cells) typed.emplace_back(cell, text);
    return typed;
}

TEST(DivisionDraw, GivesAOneDigitDivisorAndADividendWithinTheLevel) {
    for (const DivisionLevel* l : {&k999, &k9999}) {
        SCOPED_TRACE(l->n);
        Xoshiro random(static_cast<std::uint64_t>(l->n) * 3);
        std::set<int> divisors;
        int smallest = l->n;
        int largest = 0;
        for (int i = 0; i < 20000; ++i) {
            const auto d = std::get<Divisione>(draw(divisionUnit(l->level).design.rule, random));
            ASSERT_GE(d.divisore, 2);
            ASSERT_LE(d.divisore, 8);
            ASSERT_GE(d.dividendo, l->smallest);
            ASSERT_LE(d.dividendo, l->n - 1);
            ASSERT_EQ(d.quoziente * d.divisore + d.resto, d.dividendo);
            ASSERT_GE(d.resto, 0);
            ASSERT_LT(d.resto, d.divisore);
            divisors.insert(d.divisore);
            smallest = std::min(smallest, d.dividendo);
            largest = std::max(largest, d.dividendo);
        }
        EXPECT_EQ(divisors.size(), 7u);
        EXPECT_LT(smallest, l->smallest + l->n / 100);
        EXPECT_GT(largest, l->n - 1 - l->n / 100);
    }
}

TEST(DivisionDraw, RedrawsBothNumbersUntilBothPass) {
    struct Case {
        Level level;
        fakes::Draws draws;
        std::string caption;
    };
    const std::vector<Case> cases{
        {Level::L999, {{20, 999}, {3, 9}, {21, 999}, {1, 9}, {457, 999}, {3, 9}}, "457 : 3"},
        {Level::L999, {{500, 999}, {0, 9}, {998, 999}, {8, 9}}, "998 : 8"},
        {Level::L9999, {{1000, 9999}, {5, 9}, {1001, 9999}, {2, 9}}, "1001 : 2"},
        {Level::L9999, {{1234, 9999}, {5, 9}}, "1234 : 5"},
    };
    for (const Case& c : cases) {
        ExerciseDriver d(at(c.level).window, c.draws);
        EXPECT_EQ(d.text("lbloper"), c.caption);
        EXPECT_TRUE(d.h.random.queue.empty()) << c.caption;
    }
}

// The quotient is right in every row, so the remainder row alone decides.
TEST(DivisionCheck, ReadsTheRemainderFromTheLowestStaircaseRowWithAUnitsCell) {
    struct Case {
        const char* what;
        Level level;
        int dividend, divisor;
        Typed staircase;
        std::string txtresto;
        bool right;
    };
    // 457 : 3 = 152 r 1 and 456 : 3 = 152 r 0 at level 999; 1234 : 5 = 246 r 4 and 1235 : 5 = 247 r 0.
    const std::vector<Case> cases{
        {"complete working", Level::L999, 457, 3,
         {{"txtparh1", "1"}, {"txtparda1", "5"}, {"txtparda2", "0"}, {"txtparu2", "7"}, {"txtparu3", "1"}}, "1",
         true},
        {"empty staircase, remainder 0", Level::L999, 456, 3, {}, "", true},
        {"empty staircase, remainder 1", Level::L999, 457, 3, {}, "", false},
        {"a remainder where there is none", Level::L999, 456, 3, {{"txtparu3", "1"}}, "1", false},
        {"row 2 without its units cell is passed over", Level::L999, 457, 3,
         {{"txtparh1", "1"}, {"txtparda1", "5"}, {"txtparda2", "1"}}, "15", false},
        {"row 2 without its units cell, remainder in row 1", Level::L999, 457, 3,
         {{"txtparu1", "1"}, {"txtparda2", "7"}}, "1", true},
        {"wrong upper rows do not count", Level::L999, 457, 3,
         {{"txtparh1", "9"}, {"txtparda1", "9"}, {"txtparu1", "9"}, {"txtparda2", "9"}, {"txtparu2", "9"},
          {"txtparu3", "1"}},
         "1", true},
        {"a right upper row does not help", Level::L999, 457, 3, {{"txtparu2", "1"}, {"txtparu3", "7"}}, "7",
         false},
        {"a blank selects row 3 and reads 0", Level::L999, 457, 3, {{"txtparu2", "1"}, {"txtparu3", " "}}, " ",
         false},
        {"a blank selects row 3, remainder 0", Level::L999, 456, 3, {{"txtparu1", "5"}, {"txtparu3", " "}}, " ",
         true},
        {"a letter selects row 3, remainder 0", Level::L999, 456, 3, {{"txtparu2", "5"}, {"txtparu3", "x"}}, "x",
         true},
        {"row 2 joined left to right", Level::L999, 457, 3, {{"txtparda2", "0"}, {"txtparu2", "1"}}, "01", true},
        {"row 2 the other way round", Level::L999, 457, 3, {{"txtparda2", "1"}, {"txtparu2", "0"}}, "10", false},
        {"a blank selects row 2", Level::L999, 457, 3, {{"txtparu1", "1"}, {"txtparu2", " "}}, " ", false},
        {"row 1 joined left to right", Level::L999, 457, 3,
         {{"txtparh1", "0"}, {"txtparda1", "0"}, {"txtparu1", "1"}}, "001", true},
        {"row 1 with an empty cell between digits", Level::L999, 457, 3,
         {{"txtparh1", "1"}, {"txtparu1", "0"}}, "10", false},

        {"three quotient digits end in row 3", Level::L9999, 1234, 5,
         {{"txtparh1", "2"}, {"txtparda1", "3"}, {"txtparda2", "3"}, {"txtparu2", "4"}, {"txtparu3", "4"}}, "4",
         true},
        {"remainder in row 4", Level::L9999, 1234, 5, {{"txtparu4", "4"}}, "4", true},
        {"row 3 with both cells", Level::L9999, 1234, 5, {{"txtparda3", "0"}, {"txtparu3", "4"}}, "04", true},
        {"a blank selects row 4", Level::L9999, 1234, 5, {{"txtparu3", "4"}, {"txtparu4", " "}}, " ", false},
        {"a zero in row 4 hides row 3", Level::L9999, 1234, 5, {{"txtparu3", "4"}, {"txtparu4", "0"}}, "0",
         false},
        {"a letter in row 4 hides row 2", Level::L9999, 1234, 5, {{"txtparu2", "4"}, {"txtparu4", "x"}}, "x",
         false},
        {"row 3 without its units cell is passed over", Level::L9999, 1234, 5,
         {{"txtparh1", "2"}, {"txtparda1", "3"}, {"txtparda3", "4"}}, "23", false},
        {"row 2 joined left to right", Level::L9999, 1234, 5,
         {{"txtparh2", "0"}, {"txtparda2", "0"}, {"txtparu2", "4"}}, "004", true},
        {"row 2 without its units cell, remainder in row 1", Level::L9999, 1234, 5,
         {{"txtparu1", "4"}, {"txtparh2", "3"}, {"txtparda2", "4"}}, "4", true},
        {"row 1 with all four cells", Level::L9999, 1234, 5,
         {{"txtpark1", "0"}, {"txtparh1", "0"}, {"txtparda1", "0"}, {"txtparu1", "4"}}, "0004", true},
        {"wrong upper rows do not count", Level::L9999, 1234, 5,
         {{"txtpark1", "9"}, {"txtparh1", "9"}, {"txtparda1", "9"}, {"txtparu1", "9"}, {"txtparh2", "9"},
          {"txtparda2", "9"}, {"txtparu2", "9"}, {"txtparda3", "9"}, {"txtparu3", "9"}, {"txtparu4", "4"}},
         "4", true},
        {"empty staircase, remainder 0", Level::L9999, 1235, 5, {}, "", true},
        {"empty staircase, remainder 4", Level::L9999, 1234, 5, {}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DivisionLevel& l = at(c.level);
        ExerciseDriver d = dividing(l, c.dividend, c.divisor);
        const int quotient = c.dividend / c.divisor;
        d.type(fakes::alignedRight(l.quotient, std::to_string(quotient)));
        d.type(c.staircase);
        d.check();
        EXPECT_EQ(d.text("txtris"), std::to_string(quotient));
        EXPECT_EQ(d.text("txtresto"), c.txtresto);
        EXPECT_EQ(d.praised(), c.right);
    }
}

TEST(DivisionCheck, JudgesTheJoinedQuotientRow) {
    struct Case {
        Level level;
        int dividend, divisor;
        std::vector<std::string_view> quotient;  // highest column first
        Typed staircase;
        std::string txtris;
        bool right;
    };
    const std::vector<Case> cases{
        {Level::L999, 92, 4, {"", "2", "3"}, {}, "23", true},
        {Level::L999, 92, 4, {"0", "2", "3"}, {}, "023", true},
        {Level::L999, 92, 4, {"2", "3", ""}, {}, "23", true},
        {Level::L999, 92, 4, {"2", "", "3"}, {}, "23", true},
        {Level::L999, 92, 4, {"", "", ""}, {}, "", false},
        {Level::L999, 92, 4, {"", "3", "2"}, {}, "32", false},
        // A right remainder does not save a wrong quotient.
        {Level::L999, 457, 3, {"1", "5", "3"}, {{"txtparu3", "1"}}, "153", false},
        {Level::L999, 457, 3, {"1", "5", "2"}, {{"txtparu3", "1"}}, "152", true},
        {Level::L999, 21, 2, {"", "1", "0"}, {{"txtparu2", "1"}}, "10", true},
        {Level::L9999, 1001, 7, {"", "1", "4", "3"}, {}, "143", true},
        {Level::L9999, 1001, 7, {"0", "1", "4", "3"}, {}, "0143", true},
        {Level::L9999, 1001, 7, {"1", "4", "3", ""}, {}, "143", true},
        {Level::L9999, 1001, 7, {"", "", "", ""}, {}, "", false},
        {Level::L9999, 9998, 2, {"4", "9", "9", "9"}, {}, "4999", true},
        {Level::L9999, 9998, 2, {"4", "9", "9", "9"}, {{"txtparu4", "1"}}, "4999", false},
    };
    for (const Case& c : cases) {
        const DivisionLevel& l = at(c.level);
        ExerciseDriver d = dividing(l, c.dividend, c.divisor);
        SCOPED_TRACE(d.text("lbloper") + " with " + c.txtris);
        d.type(inRow(l.quotient, c.quotient));
        d.type(c.staircase);
        d.check();
        EXPECT_EQ(d.text("txtris"), c.txtris);
        EXPECT_EQ(d.praised(), c.right);
    }
}

TEST(DivisionCheck, WrongAnswerEmptiesQuotientAndStaircaseAndKeepsTheDivision) {
    struct Case {
        const DivisionLevel* level;
        int dividend, divisor;
        std::string caption, wrongQuotient;
        std::string_view firstQuotientCell;
    };
    for (const Case& c : {Case{&k999, 457, 3, "457 : 3", "153", "txthris"},
                          Case{&k9999, 1234, 5, "1234 : 5", "247", "txtkris"}}) {
        SCOPED_TRACE(c.caption);
        const DivisionLevel& l = *c.level;
        ExerciseDriver d = dividing(l, c.dividend, c.divisor);
        d.type(filled(l.operands, "6"));
        d.type(fakes::alignedRight(l.quotient, c.wrongQuotient));
        d.type(filled(l.staircase, "1"));
        d.check();

        EXPECT_EQ(d.text("lblmessaggio"), kWrongMessage);
        EXPECT_EQ(d.window().foreColor("lblmessaggio"), kRed);
        EXPECT_EQ(d.h.beeper.beeps, 1);
        EXPECT_EQ(d.window().focus(), c.firstQuotientCell);
        EXPECT_EQ(d.text("lbloper"), c.caption);
        for (std::string_view cell : l.quotient) EXPECT_EQ(d.text(cell), "") << cell;
        for (std::string_view cell : l.staircase) EXPECT_EQ(d.text(cell), "") << cell;
        for (std::string_view cell : l.operands) EXPECT_EQ(d.text(cell), "6") << cell;
        // The hidden boxes keep what the check read.
        EXPECT_EQ(d.text("txtris"), c.wrongQuotient);
        EXPECT_EQ(d.text("txtresto"), "1");
        EXPECT_EQ(d.text("txtrisg"), "0");
        EXPECT_EQ(d.text("txtriss"), "1");
        EXPECT_EQ(d.text("txttot"), "1");
    }
}

TEST(DivisionCheck, RightAnswerEmptiesEveryVisibleCellAndDrawsANewDivision) {
    struct Case {
        const DivisionLevel* level;
        int dividend, divisor;
        std::string quotient, remainderCell;
        int nextDividend;
        std::string nextCaption;
    };
    for (const Case& c : {Case{&k999, 457, 3, "152", "txtparu3", 92, "92 : 4"},
                          Case{&k9999, 1234, 5, "246", "txtparu4", 9998, "9998 : 4"}}) {
        SCOPED_TRACE(c.nextCaption);
        const DivisionLevel& l = *c.level;
        ExerciseDriver d = dividing(l, c.dividend, c.divisor);
        d.type(filled(l.operands, "x"));
        d.type(fakes::alignedRight(l.quotient, c.quotient));
        d.type(filled(l.staircase, "9"));
        d.type({{c.remainderCell, std::to_string(c.dividend % c.divisor)}});
        d.force({{c.nextDividend, l.n}, {4, 9}});
        d.check();

        EXPECT_EQ(d.text("lblmessaggio"), kRightMessage);
        EXPECT_EQ(d.window().foreColor("lblmessaggio"), kBlue);
        EXPECT_EQ(d.h.beeper.beeps, 0);
        EXPECT_EQ(d.window().focus(), l.firstCell);
        EXPECT_EQ(d.text("lbloper"), c.nextCaption);
        int cells = 0;
        for (const ControlSpec& control : d.window().layout().controls) {
            if (control.kind != Kind::TextBox || !control.visible) continue;
            EXPECT_EQ(d.text(control.name), "") << control.name;
            ++cells;
        }
        EXPECT_EQ(cells, static_cast<int>(l.quotient.size() + l.staircase.size() + l.operands.size()));
        EXPECT_EQ(d.text("txtris"), c.quotient);
        EXPECT_EQ(d.text("txtrisg"), "1");
        EXPECT_EQ(d.text("txtriss"), "0");
        EXPECT_EQ(d.text("txttot"), "1");
    }
}

TEST(DivisionWindow, OpensFromTheLevelMenuWithTheFocusInTheDividend) {
    for (const DivisionLevel* l : {&k999, &k9999}) {
        SCOPED_TRACE(l->n);
        fakes::Harness h;
        h.program.start();
        const bool low = l->level == Level::L999;
        h.program.click(WindowId::frmuno, low ? "cmd999" : "cmd9999");
        h.random.push({{l->smallest, l->n}, {8, 9}});
        ASSERT_TRUE(h.program.click(low ? WindowId::frm999inizio : WindowId::frm9999inizio, "cmddiv"));
        ASSERT_EQ(h.program.state(l->window), WindowState::Shown);
        EXPECT_EQ(h.program.window(l->window)->text("lbloper"), std::to_string(l->smallest) + " : 8");
        EXPECT_EQ(h.program.window(l->window)->focus(), l->firstCell);
    }
}

}  // namespace
