#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "program_steps.h"

using namespace vertola;
using steps::AdditionLevel;

namespace {

const AdditionLevel& level999 = steps::kAddition999;
const AdditionLevel& level9999 = steps::kAddition9999;

// Many additions in a row, each answered right so that the window draws the next.
class AdditionDraws : public testing::TestWithParam<AdditionLevel> {};

TEST_P(AdditionDraws, StayWithinTheLevelAndShowPlainAddends) {
    const AdditionLevel& level = GetParam();
    const std::regex shape("(0|[1-9][0-9]*) \\+ (0|[1-9][0-9]*) \\+ (0|[1-9][0-9]*)");
    std::uint64_t draws = 0, values = 0;
    int largestAddend = 0;
    for (std::uint64_t seed : {1ULL, 2ULL, 3ULL}) {
        steps::CountingHarness c(seed);
        steps::openAddition(c.program, level);
        for (int i = 0; i < 700; ++i) {
            const std::string caption = steps::text(c.program, level.window, "lbloper");
            std::smatch parts;
            ASSERT_TRUE(std::regex_match(caption, parts, shape)) << caption;
            int sum = 0;
            for (int part = 1; part <= 3; ++part) {
                const int addend = std::stoi(parts[part].str());
                ASSERT_LE(addend, level.n - 1) << caption;
                largestAddend = std::max(largestAddend, addend);
                sum += addend;
            }
            ASSERT_LT(sum, level.limit) << caption;

            const std::uint64_t before = c.random.values;
            steps::answerRight(c.program, level);
            ASSERT_EQ(steps::text(c.program, level.window, "lblmessaggio"), "Complimenti! Vai avanti") << caption;
            const std::uint64_t used = c.random.values - before;
            // Every attempt draws all three addends anew.
            ASSERT_EQ(used % 3, 0u) << caption;
            ASSERT_GE(used, 3u);
            values += used;
            ++draws;
        }
    }
    const double acceptedShare = static_cast<double>(draws) / (static_cast<double>(values) / 3);
    EXPECT_NEAR(acceptedShare, 1.0 / 6, 0.015);
    // Large addends do come up, so the range is not cut short.
    EXPECT_GT(largestAddend, level.n * 8 / 10);
}

INSTANTIATE_TEST_SUITE_P(Levels, AdditionDraws, testing::Values(steps::kAddition999, steps::kAddition9999),
                         [](const auto& info) { return std::string(info.param.name); });

double at(int value, int n) { return (value + 0.5) / n; }
const double kJustBelowOne = std::nextafter(1.0, 0.0);

struct ForcedDraw {
    std::string_view name;
    const AdditionLevel* level;
    std::vector<double> randoms;  // every value the draw may take, in order
    std::string_view caption;
};

const std::vector<ForcedDraw> kForcedDraws{
    {"AcceptedAtFirstTry", &level999, {at(312, 999), at(45, 999), at(7, 999)}, "312 + 45 + 7"},
    {"ZeroAddendShownAsZero", &level999, {at(0, 999), at(512, 999), at(3, 999)}, "0 + 512 + 3"},
    {"SumOf999Accepted", &level999, {at(500, 999), at(499, 999), at(0, 999)}, "500 + 499 + 0"},
    {"SumOf1000DrawnAgainWhole", &level999,
     {at(500, 999), at(500, 999), at(0, 999), at(1, 999), at(2, 999), at(3, 999)}, "1 + 2 + 3"},
    {"LargestAddendsDrawnAgain", &level999,
     {at(998, 999), at(998, 999), at(998, 999), at(0, 999), at(0, 999), at(0, 999)}, "0 + 0 + 0"},
    {"SeveralRejectionsInARow", &level999,
     {at(600, 999), at(400, 999), at(0, 999), at(333, 999), at(333, 999), at(334, 999), at(998, 999), at(1, 999),
      at(1, 999), at(998, 999), at(1, 999), at(0, 999)},
     "998 + 1 + 0"},
    {"ValueJustBelowOneGives998", &level999, {kJustBelowOne, 0.0, 0.0}, "998 + 0 + 0"},
    {"SumOf9999Accepted", &level9999, {at(1234, 9999), at(5678, 9999), at(3087, 9999)}, "1234 + 5678 + 3087"},
    {"AddendsAbove999AtLevel9999", &level9999, {at(4000, 9999), at(0, 9999), at(999, 9999)}, "4000 + 0 + 999"},
    {"SumOf10000DrawnAgainWhole", &level9999,
     {at(5000, 9999), at(5000, 9999), at(0, 9999), at(9998, 9999), at(1, 9999), at(0, 9999)}, "9998 + 1 + 0"},
    {"ValueJustBelowOneGives9998", &level9999, {kJustBelowOne, 0.0, 0.0}, "9998 + 0 + 0"},
};

void PrintTo(const ForcedDraw& row, std::ostream* os) { *os << row.name; }

class AdditionForcedDraw : public testing::TestWithParam<ForcedDraw> {};

TEST_P(AdditionForcedDraw, ShowsTheAcceptedAddendsAndTakesNoMoreValues) {
    const ForcedDraw& row = GetParam();
    fakes::Harness h;
    steps::openAddition(h.program, *row.level);
    h.random.queue = row.randoms;
    h.random.queue.push_back(0.25);  // left over unless the draw takes too many values
    steps::answerRight(h.program, *row.level);
    ASSERT_EQ(steps::text(h.program, row.level->window, "lblmessaggio"), "Complimenti! Vai avanti");
    EXPECT_EQ(steps::text(h.program, row.level->window, "lbloper"), row.caption);
    EXPECT_EQ(h.random.queue.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Draws, AdditionForcedDraw, testing::ValuesIn(kForcedDraws),
                         [](const auto& info) { return std::string(info.param.name); });

struct Judging {
    std::string_view name;
    const AdditionLevel* level;
    std::vector<std::string> cells;  // the result row, highest column first
    int a, b, c;                     // the forced addends
    bool right;
    std::string operands = {};       // written into every operand cell
};

const std::vector<Judging> kJudgings{
    {"EmptyRowIsWrong", &level999, {"", "", ""}, 40, 5, 0, false},
    {"EmptyRowIsRightWhenAllAddendsAreZero", &level999, {"", "", ""}, 0, 0, 0, true},
    {"ZeroInUnitsForZeroSum", &level999, {"", "", "0"}, 0, 0, 0, true},
    {"DigitsInTheirColumns", &level999, {"3", "6", "4"}, 312, 45, 7, true},
    {"LeadingZeroAccepted", &level999, {"0", "4", "5"}, 40, 5, 0, true},
    {"DigitsShiftedLeftAccepted", &level999, {"4", "5", ""}, 40, 5, 0, true},
    {"DigitsInTensAndUnitsAccepted", &level999, {"", "4", "5"}, 40, 5, 0, true},
    {"WholeSumInUnitsCellAccepted", &level999, {"", "", "45"}, 40, 5, 0, true},
    {"SeveralCharactersInOneCell", &level999, {"1", "23", ""}, 100, 20, 3, true},
    {"ShortSumWithHundredsEmpty", &level999, {"", "5", "7"}, 50, 7, 0, true},
    {"ShortSumWithHundredsZero", &level999, {"0", "5", "7"}, 50, 7, 0, true},
    {"TrailingLetterIgnored", &level999, {"4", "5", "x"}, 40, 5, 0, true},
    {"LeadingLetterReadsZero", &level999, {"x", "4", "5"}, 40, 5, 0, false},
    {"BlankCellSkipped", &level999, {"4", " ", "5"}, 40, 5, 0, true},
    {"BlanksAroundDigitsSkipped", &level999, {" 4", "\t", "5 "}, 40, 5, 0, true},
    {"DecimalPointGivesFraction", &level999, {"4", ".", "5"}, 40, 5, 0, false},
    {"FractionIsWrongForItsWholePart", &level999, {"4", ".", "5"}, 4, 0, 0, false},
    {"PointAndZeroIsWhole", &level999, {"45", ".", "0"}, 40, 5, 0, true},
    {"CommaEndsNumber", &level999, {"4", ",", "5"}, 4, 0, 0, true},
    {"CommaDoesNotMakeAFraction", &level999, {"4", ",", "5"}, 40, 5, 0, false},
    {"PlusSignAccepted", &level999, {"+", "4", "5"}, 40, 5, 0, true},
    {"MinusSignMakesItWrong", &level999, {"-", "4", "5"}, 40, 5, 0, false},
    {"MinusZeroForZeroSum", &level999, {"-", "0", ""}, 0, 0, 0, true},
    {"ExponentNotRead", &level999, {"4", "E", "2"}, 400, 0, 0, false},
    {"SumOf999", &level999, {"9", "9", "9"}, 998, 1, 0, true},
    {"OneTooMany", &level999, {"3", "6", "5"}, 312, 45, 7, false},
    {"OperandRowsIgnoredWhenFilled", &level999, {"3", "6", "4"}, 312, 45, 7, true, "9"},
    {"SumInOperandRowsDoesNotCount", &level999, {"", "", ""}, 40, 5, 0, false, "45"},
    {"AllFourColumns", &level9999, {"4", "5", "0", "0"}, 4000, 500, 0, true},
    {"SumOf9999", &level9999, {"9", "9", "9", "9"}, 9000, 999, 0, true},
    {"ThousandsMissing", &level9999, {"", "9", "9", "9"}, 9000, 999, 0, false},
    {"TwoDigitSumFlushRight", &level9999, {"", "", "4", "5"}, 40, 5, 0, true},
    {"TwoDigitSumWithLeadingZeros", &level9999, {"0", "0", "4", "5"}, 40, 5, 0, true},
    {"WholeSumInThousandsCell", &level9999, {"4500", "", "", ""}, 4000, 500, 0, true},
    {"DigitsShiftedLeftAtLevel9999", &level9999, {"4", "5", "", ""}, 40, 5, 0, true},
    {"EmptyRowAtLevel9999", &level9999, {"", "", "", ""}, 4000, 500, 0, false},
    {"EmptyRowRightForZeroSumAtLevel9999", &level9999, {"", "", "", ""}, 0, 0, 0, true},
    {"DecimalPointAtLevel9999", &level9999, {"4", ".", "5", ""}, 40, 5, 0, false},
    {"CommaEndsNumberAtLevel9999", &level9999, {"4", ",", "5", "00"}, 4, 0, 0, true},
    {"TrailingLetterInUnitsAtLevel9999", &level9999, {"4", "5", "0", "x"}, 400, 50, 0, true},
    {"LeadingLetterInThousandsAtLevel9999", &level9999, {"k", "4", "5", "0"}, 400, 50, 0, false},
    {"OperandRowsIgnoredAtLevel9999", &level9999, {"1", "2", "3", "4"}, 1000, 200, 34, true, "x"},
};

void PrintTo(const Judging& row, std::ostream* os) { *os << row.name; }

class AdditionJudging : public testing::TestWithParam<Judging> {};

TEST_P(AdditionJudging, JudgesTheJoinedResultRow) {
    const Judging& row = GetParam();
    const AdditionLevel& level = *row.level;
    fakes::Harness h;
    h.random.push({{row.a, level.n}, {row.b, level.n}, {row.c, level.n}});
    steps::openAddition(h.program, level);
    ASSERT_EQ(steps::shownSum(h.program, level), row.a + row.b + row.c);
    if (!row.operands.empty()) steps::fillOperands(h.program, level, row.operands);
    ASSERT_EQ(row.cells.size(), level.resultCells.size());
    steps::typeResult(h.program, level, row.cells);
    h.program.click(level.window, "cmdconferma");
    EXPECT_EQ(steps::text(h.program, level.window, "lblmessaggio"),
              row.right ? "Complimenti! Vai avanti" : "Sbagliato! Ripeti");
    EXPECT_EQ(h.beeper.beeps, row.right ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, AdditionJudging, testing::ValuesIn(kJudgings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AdditionJudgingDetail, CheckJoinsResultCellsIntoTxtris) {
    fakes::Harness h;
    steps::openAddition(h.program, level9999);
    steps::typeResult(h.program, level9999, {"1", "", "23", " x"});
    h.program.click(level9999.window, "cmdconferma");
    EXPECT_EQ(steps::text(h.program, level9999.window, "txtris"), "123 x");
}

}  // namespace
