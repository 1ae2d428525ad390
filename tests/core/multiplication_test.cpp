#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "arithmetic/random_source.h"
#include "exercise_driver.h"
#include "exercises/exercises.h"

using namespace vertola;
using fakes::ExerciseDriver;
using fakes::Typed;

namespace {

// What tells the one-digit windows apart.
struct OneDigitLevel {
    Level level;
    WindowId window;
    int n;                                       // the multiplicand is drawn over n values
    int smallest;                                // the smallest multiplicand accepted
    int limit;                                   // every product is below it
    int draws;                                   // enough for every admissible pair to come up
    std::vector<std::string_view> resultCells;   // highest column first
    std::vector<std::string_view> operandCells;  // the multiplicand, then the multiplier
    std::string_view firstCell;
};

const OneDigitLevel kOneDigit999{Level::L999,
                                 *windowOf(Unit::Multiplication, Level::L999),
                                 999,
                                 11,
                                 1000,
                                 50000,
                                 {"txthris", "txtdaris", "txturis"},
                                 {"txth1", "txtda1", "txtu1", "txtu2"},
                                 "txth1"};
const OneDigitLevel kOneDigit9999{Level::L9999,
                                  *windowOf(Unit::Multiplication, Level::L9999),
                                  9999,
                                  101,
                                  10000,
                                  400000,
                                  {"txtkris", "txthris", "txtdaris", "txturis"},
                                  {"txtk1", "txth1", "txtda1", "txtu1", "txtu2"},
                                  "txtk1"};
const std::array<const OneDigitLevel*, 2> kOneDigitLevels{&kOneDigit999, &kOneDigit9999};

const std::vector<std::string_view> kResultTwoDigits{"txtkris", "txthris", "txtdaris", "txturis"};
const std::vector<std::string_view> kOperandsTwoDigits{"txth1", "txtda1", "txtu1", "txtda2", "txtu2"};
const std::vector<std::string_view> kPartialProducts{"txtpark1", "txtparh1", "txtparda1", "txtparu1",
                                                     "txtpark2", "txtparh2", "txtparda2", "txtparu2"};

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

TEST(OneDigitMultiplicationDraw, GivesEveryAdmissiblePairAtTheRateOfItsMultiplier) {
    for (const OneDigitLevel* l : kOneDigitLevels) {
        SCOPED_TRACE(l->n);
        // Counted from the rules of the window, not from the draw.
        std::map<int, int> admissible;
        int pairs = 0;
        for (int multiplier = 2; multiplier <= 8; ++multiplier)
            for (int multiplicand = l->smallest; multiplicand < l->n; ++multiplicand)
                if (multiplicand * multiplier < l->limit) {
                    ++admissible[multiplier];
                    ++pairs;
                }

        Xoshiro random(static_cast<std::uint64_t>(l->n) + 7);
        std::set<std::pair<int, int>> seen;
        std::map<int, int> perMultiplier;
        for (int i = 0; i < l->draws; ++i) {
            const auto m = std::get<Moltiplicazione>(draw(multiplicationUnit(l->level).design.rule, random));
            ASSERT_GE(m.moltiplicatore, 2);
            ASSERT_LE(m.moltiplicatore, 8);
            ASSERT_GE(m.moltiplicando, l->smallest);
            ASSERT_LE(m.moltiplicando, l->limit / 2 - 1);
            ASSERT_EQ(m.prodotto, m.moltiplicando * m.moltiplicatore);
            ASSERT_LT(m.prodotto, l->limit);
            seen.insert({m.moltiplicando, m.moltiplicatore});
            ++perMultiplier[m.moltiplicatore];
        }
        EXPECT_EQ(static_cast<int>(seen.size()), pairs);
        // Every pair equally likely: a multiplier comes as often as it has admissible multiplicands.
        for (int multiplier = 2; multiplier <= 8; ++multiplier) {
            SCOPED_TRACE(multiplier);
            const double expected = static_cast<double>(l->draws) * admissible[multiplier] / pairs;
            EXPECT_NEAR(perMultiplier[multiplier], expected, expected * 0.05);
            if (multiplier > 2) {
                EXPECT_LT(perMultiplier[multiplier], perMultiplier[multiplier - 1]);
            }
        }
    }
}

TEST(TwoDigitMultiplicationDraw, KeepsBothFactorsAndTheProductInRange) {
    Xoshiro random(2024);
    std::set<int> multipliers;
    int largestMultiplicand = 0;
    for (int i = 0; i < 20000; ++i) {
        const auto m = std::get<Moltiplicazione>(draw(multiplication2Unit().design.rule, random));
        ASSERT_GE(m.moltiplicando, 11);
        ASSERT_LE(m.moltiplicando, 909);
        ASSERT_GE(m.moltiplicatore, 11);
        ASSERT_LE(m.moltiplicatore, 98);
        ASSERT_EQ(m.prodotto, m.moltiplicando * m.moltiplicatore);
        ASSERT_LT(m.prodotto, 10000);
        multipliers.insert(m.moltiplicatore);
        largestMultiplicand = std::max(largestMultiplicand, m.moltiplicando);
    }
    EXPECT_EQ(multipliers.size(), 88u);  // 11 to 98, every one of them
    EXPECT_GT(largestMultiplicand, 800);
}

TEST(OneDigitMultiplicationCheck, JudgesTheJoinedResultRow) {
    struct Case {
        const OneDigitLevel* level;
        int multiplicand, multiplier;
        std::vector<std::string_view> result;  // highest column first
        std::string txtris;
        bool right;
    };
    const std::vector<Case> cases{
        {&kOneDigit999, 12, 7, {"0", "8", "4"}, "084", true},
        {&kOneDigit999, 12, 7, {"", "8", "4"}, "84", true},
        {&kOneDigit999, 12, 7, {"", "", ""}, "", false},
        // An empty cell between two digits closes the gap: 15, not 105.
        {&kOneDigit999, 21, 5, {"1", "", "5"}, "15", false},
        {&kOneDigit999, 21, 5, {"1", "0", "5"}, "105", true},
        {&kOneDigit999, 152, 6, {"", "", "912"}, "912", true},
        {&kOneDigit999, 152, 6, {"9", "a", "2"}, "9a2", false},
        {&kOneDigit999, 152, 6, {"9", " 1", "2"}, "9 12", true},
        // The multiplicand is not the answer.
        {&kOneDigit999, 152, 6, {"1", "5", "2"}, "152", false},
        {&kOneDigit9999, 152, 6, {"", "", "", "912"}, "912", true},
        {&kOneDigit9999, 152, 6, {"0", "9", "1", "2"}, "0912", true},
        {&kOneDigit9999, 152, 6, {"", "9", "a", "2"}, "9a2", false},
        {&kOneDigit9999, 1234, 8, {"9", "8", "7", "2"}, "9872", true},
        {&kOneDigit9999, 1234, 8, {"9", "8", "7", ""}, "987", false},
        {&kOneDigit9999, 101, 2, {"", "", "", ""}, "", false},
    };
    for (const Case& c : cases) {
        ExerciseDriver d(c.level->window, {{c.multiplicand, c.level->n}, {c.multiplier, 9}});
        SCOPED_TRACE(d.text("lbloper") + " with " + c.txtris);
        d.type(inRow(c.level->resultCells, c.result));
        d.check();
        EXPECT_EQ(d.text("txtris"), c.txtris);
        EXPECT_EQ(d.praised(), c.right);
    }
}

TEST(OneDigitMultiplicationCheck, WrongProductKeepsTheOperandsAndSendsThePupilToTheUnits) {
    for (const OneDigitLevel* l : kOneDigitLevels) {
        SCOPED_TRACE(l->n);
        ExerciseDriver d(l->window, {{152, l->n}, {6, 9}});
        for (std::string_view counter : {"txtrisg", "txtriss", "txttot"})
            EXPECT_EQ(d.text(counter), "") << counter;
        d.type(filled(l->operandCells, "3"));
        d.type(fakes::alignedRight(l->resultCells, "913"));
        d.check();

        EXPECT_EQ(d.text("lblmessaggio"), kWrongMessage);
        EXPECT_EQ(d.window().foreColor("lblmessaggio"), kRed);
        EXPECT_EQ(d.h.beeper.beeps, 1);
        EXPECT_EQ(d.window().focus(), "txturis");
        EXPECT_EQ(d.text("lbloper"), "152 x 6");
        for (std::string_view cell : l->resultCells) EXPECT_EQ(d.text(cell), "") << cell;
        for (std::string_view cell : l->operandCells) EXPECT_EQ(d.text(cell), "3") << cell;
        EXPECT_EQ(d.text("txtrisg"), "0");
        EXPECT_EQ(d.text("txtriss"), "1");
        EXPECT_EQ(d.text("txttot"), "1");

        // Every press with an empty result row is one more wrong answer.
        d.check();
        d.check();
        EXPECT_EQ(d.text("txtriss"), "3");
        EXPECT_EQ(d.h.beeper.beeps, 3);
    }
}

TEST(OneDigitMultiplicationCheck, RightProductEmptiesEveryCellAndDrawsANewOperation) {
    for (const OneDigitLevel* l : kOneDigitLevels) {
        SCOPED_TRACE(l->n);
        ExerciseDriver d(l->window, {{152, l->n}, {6, 9}});
        d.type(filled(l->operandCells, "9"));
        d.type(fakes::alignedRight(l->resultCells, "912"));
        d.force({{321, l->n}, {3, 9}});
        d.check();

        EXPECT_EQ(d.text("lblmessaggio"), kRightMessage);
        EXPECT_EQ(d.window().foreColor("lblmessaggio"), kBlue);
        EXPECT_EQ(d.window().focus(), l->firstCell);
        EXPECT_EQ(d.text("lbloper"), "321 x 3");
        for (std::string_view cell : l->resultCells) EXPECT_EQ(d.text(cell), "") << cell;
        for (std::string_view cell : l->operandCells) EXPECT_EQ(d.text(cell), "") << cell;
        EXPECT_EQ(d.text("txtrisg"), "1");
        EXPECT_EQ(d.text("txtriss"), "0");
        EXPECT_EQ(d.text("txttot"), "1");
    }
}

TEST(TwoDigitMultiplicationCheck, JudgesTheResultRowAndNeverThePartialProducts) {
    struct Case {
        const char* what;
        Typed partials;
        std::vector<std::string_view> result;  // highest column first
        bool right;
    };
    // 12 x 11 = 132; its partial products are 12 and 12 shifted one column left.
    const std::vector<Case> cases{
        {"leading zero", {}, {"0", "1", "3", "2"}, true},
        {"empty thousands", {}, {"", "1", "3", "2"}, true},
        {"an empty cell closes the gap", {}, {"1", "", "3", "2"}, true},
        {"all empty", {}, {"", "", "", ""}, false},
        {"right partial products, right result",
         {{"txtparda1", "1"}, {"txtparu1", "2"}, {"txtparh2", "1"}, {"txtparda2", "2"}},
         {"", "1", "3", "2"},
         true},
        {"wrong partial products, right result", filled(kPartialProducts, "9"), {"", "1", "3", "2"}, true},
        {"right partial products, empty result",
         {{"txtparda1", "1"}, {"txtparu1", "2"}, {"txtparh2", "1"}, {"txtparda2", "2"}},
         {"", "", "", ""},
         false},
        {"the product written as a partial product",
         {{"txtparu1", "132"}, {"txtparu2", "132"}},
         {"", "", "", ""},
         false},
        {"the product written as a partial product, wrong result",
         {{"txtparu1", "132"}},
         {"", "1", "3", "3"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExerciseDriver d(WindowId::frm9999moltiplicazioni2, {{12, 999}, {11, 99}});
        ASSERT_EQ(d.text("lbloper"), "12 x 11");
        d.type(c.partials);
        d.type(inRow(kResultTwoDigits, c.result));
        d.check();
        EXPECT_EQ(d.praised(), c.right);
    }
}

TEST(TwoDigitMultiplicationCheck, EmptiesThePartialProductsAndTheResultRow) {
    const std::vector<std::string_view> emptied = multiplication2Unit().design.grid.emptiedEveryCheck();
    std::set<std::string_view> expected(kPartialProducts.begin(), kPartialProducts.end());
    expected.insert(kResultTwoDigits.begin(), kResultTwoDigits.end());
    EXPECT_EQ(std::set<std::string_view>(emptied.begin(), emptied.end()), expected);
    EXPECT_EQ(emptied.size(), expected.size());
}

TEST(TwoDigitMultiplicationCheck, WrongProductSendsThePupilBackToTheFirstPartialProduct) {
    ExerciseDriver d(WindowId::frm9999moltiplicazioni2, {{152, 999}, {43, 99}});
    d.type(filled(kOperandsTwoDigits, "4"));
    d.type(filled(kPartialProducts, "8"));
    d.type(inRow(kResultTwoDigits, {"6", "5", "3", "7"}));
    d.check();

    EXPECT_EQ(d.text("lblmessaggio"), kWrongMessage);
    EXPECT_EQ(d.window().foreColor("lblmessaggio"), kRed);
    EXPECT_EQ(d.h.beeper.beeps, 1);
    EXPECT_EQ(d.window().focus(), "txtparu1");
    EXPECT_EQ(d.text("lbloper"), "152 x 43");
    for (std::string_view cell : kPartialProducts) EXPECT_EQ(d.text(cell), "") << cell;
    for (std::string_view cell : kResultTwoDigits) EXPECT_EQ(d.text(cell), "") << cell;
    for (std::string_view cell : kOperandsTwoDigits) EXPECT_EQ(d.text(cell), "4") << cell;
    EXPECT_EQ(d.text("txtriss"), "1");
    EXPECT_EQ(d.text("txttot"), "1");
}

TEST(TwoDigitMultiplicationCheck, RightProductEmptiesAllSeventeenCells) {
    ExerciseDriver d(WindowId::frm9999moltiplicazioni2, {{152, 999}, {43, 99}});
    d.type(filled(kOperandsTwoDigits, "4"));
    d.type(filled(kPartialProducts, "8"));
    d.type(inRow(kResultTwoDigits, {"6", "5", "3", "6"}));
    d.force({{909, 999}, {11, 99}});
    d.check();

    EXPECT_EQ(d.text("lblmessaggio"), kRightMessage);
    EXPECT_EQ(d.window().foreColor("lblmessaggio"), kBlue);
    EXPECT_EQ(d.window().focus(), "txth1");
    EXPECT_EQ(d.text("lbloper"), "909 x 11");
    int emptied = 0;
    for (const auto* cells : {&kPartialProducts, &kResultTwoDigits, &kOperandsTwoDigits})
        for (std::string_view cell : *cells) {
            EXPECT_EQ(d.text(cell), "") << cell;
            ++emptied;
        }
    EXPECT_EQ(emptied, 17);
    EXPECT_EQ(d.text("txtrisg"), "1");
    EXPECT_EQ(d.text("txttot"), "1");
}

TEST(MultiplicationWindows, OpenFromTheMenusWithTheFocusInTheMultiplicand) {
    struct Case {
        Unit unit;
        Level level;
        fakes::Draws draw;
        std::string caption;
        std::string_view firstCell;
    };
    const std::vector<Case> cases{
        {Unit::Multiplication, Level::L999, {{499, 999}, {2, 9}}, "499 x 2", "txth1"},
        {Unit::Multiplication, Level::L9999, {{4999, 9999}, {2, 9}}, "4999 x 2", "txtk1"},
        {Unit::Multiplication2, Level::L9999, {{101, 999}, {98, 99}}, "101 x 98", "txth1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const WindowId window = *windowOf(c.unit, c.level);
        fakes::Harness h;
        h.program.start();
        ASSERT_TRUE(fakes::pressOpeners(h.program, *windowOf(Unit::LevelMenu, c.level)));
        for (auto [value, n] : c.draw) h.random.push({{value, n}});
        ASSERT_TRUE(fakes::pressOpeners(h.program, window));
        ASSERT_EQ(h.program.state(window), WindowState::Shown);
        EXPECT_EQ(h.program.window(window)->text("lbloper"), c.caption);
        EXPECT_EQ(h.program.window(window)->focus(), c.firstCell);
    }
}

}  // namespace
