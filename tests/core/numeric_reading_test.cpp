#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <locale>
#include <string>
#include <string_view>
#include <vector>

#include "arithmetic/numeric_reading.h"
#include "program_steps.h"

using namespace vertola;
using namespace std::string_view_literals;

namespace {

struct Reading {
    std::string_view name;
    std::string_view text;
    double value;
};

// What a check reads from the joined result cells; each text is something a child can get into
// the cells by typing, pasting or leaving them empty.
const std::vector<Reading> kReadings{
    {"Empty", "", 0},
    {"OneDigit", "7", 7},
    {"TwoDigits", "45", 45},
    {"CellsJoined", "123", 123},
    {"LeadingZero", "045", 45},
    {"LeadingZeros", "0045", 45},
    {"OnlyZeros", "000", 0},
    {"BeyondThirtyTwoBits", "99999999999", 99999999999.0},
    {"TwoToThe60Exact", "1152921504606846976", 1152921504606846976.0},
    {"TwoToThe63Exact", "9223372036854775808", 9223372036854775808.0},
    {"BlankBetweenDigits", "4 5", 45},
    {"BlankAsThousandsSeparator", "1 000", 1000},
    {"LeadingBlank", " 45", 45},
    {"TrailingBlank", "45 ", 45},
    {"TabBetweenDigits", "4\t5", 45},
    {"LineFeedBetweenDigits", "4\n5", 45},
    {"BlanksTabsAndLineFeedsEverywhere", "\n\t 4 \t\n5\n", 45},
    {"OnlyBlanks", " \t\n ", 0},
    {"TrailingLetterIgnored", "45x", 45},
    {"LeadingLetterReadsZero", "x45", 0},
    {"LetterInsideEndsNumber", "4x5", 4},
    {"PlusSign", "+45", 45},
    {"MinusSign", "-45", -45},
    {"BlankAfterSign", "- 45", -45},
    {"BlanksAroundSignAndDigits", " - 4 5", -45},
    {"MinusZero", "-0", 0},
    {"PlusAlone", "+", 0},
    {"MinusAlone", "-", 0},
    {"DoubleMinus", "--5", 0},
    {"PlusThenMinus", "+-5", 0},
    {"SignAfterDigits", "4-5", 4},
    {"DecimalPoint", "4.5", 4.5},
    {"DecimalPointWithBlanks", "4 . 5", 4.5},
    {"NegativeFraction", "-4.5", -4.5},
    {"PointWithZeroIsWhole", "45.0", 45},
    {"TrailingPoint", "45.", 45},
    {"SecondPointEndsNumber", "4.5.6", 4.5},
    {"TwoPointsInARow", "4..5", 4},
    {"PointAlone", ".", 0},
    {"PointAsThousandsSeparator", "1.000", 1},
    {"CommaEndsNumber", "4,5", 4},
    {"CommaAsThousandsSeparator", "1,000", 1},
    {"ExponentNotRead", "4E2", 4},
    {"LowerCaseExponentNotRead", "4e2", 4},
    {"DoubleExponentLetterNotRead", "4D2", 4},
    {"HexadecimalPrefix", "&H10", 0},
    {"OctalPrefix", "&O17", 0},
    {"CStyleHexadecimal", "0x10", 0},
    {"InfinityWord", "inf", 0},
    {"NotANumberWord", "nan", 0},
    {"ArabicIndicDigits", "\xD9\xA4\xD9\xA5", 0},
    {"FullWidthDigits", "\xEF\xBC\x94\xEF\xBC\x95", 0},
    {"NoBreakSpaceIsNotABlank", "4\xC2\xA0" "5", 4},
    {"TrailingEuroSign", "45\xE2\x82\xAC", 45},
    {"LeadingAccentedLetter", "\xC3\xA8" "45", 0},
    {"LoneContinuationByte", "\x80" "45", 0},
    {"NulEndsNumber", "4\0" "5"sv, 4},
    {"LeadingNul", "\0" "45"sv, 0},
    {"CarriageReturnEndsNumber", "4\r5", 4},
    {"VerticalTabEndsNumber", "4\v5", 4},
    {"FormFeedEndsNumber", "4\f5", 4},
    {"LeadingEscape", "\x1b" "45", 0},
    {"TrailingDelete", "45\x7f", 45},
};

void PrintTo(const Reading& row, std::ostream* os) { *os << row.name; }

void expectReading(const Reading& row) {
    const double read = readNumber(row.text);
    // A whole number must come out exact, since the check compares it with the result.
    if (row.value == std::floor(row.value)) EXPECT_EQ(read, row.value);
    else EXPECT_DOUBLE_EQ(read, row.value);
}

class NumericReading : public testing::TestWithParam<Reading> {};

TEST_P(NumericReading, ReadsLikeTheCheck) { expectReading(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Texts, NumericReading, testing::ValuesIn(kReadings),
                         [](const auto& info) { return std::string(info.param.name); });

// An Italian desktop writes 4,5 for four and a half; the reading must not follow it.
class NumericReadingItalian : public testing::TestWithParam<Reading> {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "it_IT.UTF-8") && !std::setlocale(LC_ALL, "it_IT.utf8"))
            GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed; `make deps` as root generates it";
        std::locale::global(std::locale(std::setlocale(LC_ALL, nullptr)));
    }
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, previous_.c_str());
    }

private:
    std::string previous_;
};

TEST_P(NumericReadingItalian, ReadsLikeTheCheck) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    expectReading(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericReadingItalian, testing::ValuesIn(kReadings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumericReadingHuge, MegabyteOfDigitsReadsHugeAndMatchesNoResult) {
    const std::string digits(1 << 20, '9');
    const double read = readNumber(digits);
    EXPECT_TRUE(std::isinf(read) || read > 1e300) << read;
    EXPECT_GT(read, 0);
    for (int result = 0; result <= 9999; ++result) ASSERT_NE(read, static_cast<double>(result));
}

TEST(NumericReadingHuge, MegabyteOfDigitsInUnitsCellIsJudgedWrong) {
    fakes::Harness h;
    steps::openAddition(h.program, steps::kAddition999);
    h.program.edit(WindowId::frm999addizioni, "txturis", std::string(1 << 20, '1'));
    h.program.click(WindowId::frm999addizioni, "cmdconferma");
    EXPECT_EQ(steps::text(h.program, WindowId::frm999addizioni, "lblmessaggio"), "Sbagliato! Ripeti");
}

TEST(NumericReadingHuge, MegabyteOfDecimalsStaysBelowOne) {
    const double read = readNumber("0." + std::string(1 << 20, '9'));
    EXPECT_GT(read, 0.99);
    EXPECT_LE(read, 1.0);
}

TEST(NumericReadingHuge, MegabyteOfBlanksBeforeDigitIsSkipped) {
    EXPECT_EQ(readNumber(std::string(1 << 20, ' ') + "7"), 7);
}

struct Decimal {
    unsigned long long value;
    std::string_view text;
};

void PrintTo(const Decimal& row, std::ostream* os) { *os << row.value; }

class PlainDecimal : public testing::TestWithParam<Decimal> {};

TEST_P(PlainDecimal, WritesWithoutSignZerosOrSeparators) {
    EXPECT_EQ(plainDecimal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Counts, PlainDecimal,
                         testing::Values(Decimal{0, "0"}, Decimal{7, "7"}, Decimal{10, "10"},
                                         Decimal{999, "999"}, Decimal{1000, "1000"},
                                         Decimal{1ULL << 32, "4294967296"},
                                         Decimal{1ULL << 63, "9223372036854775808"},
                                         Decimal{UINT64_MAX, "18446744073709551615"}));

}  // namespace
