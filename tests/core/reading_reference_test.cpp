#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "arithmetic/numeric_reading.h"
#include "reading_reference.h"

using namespace vertola;

namespace {

struct Typed {
    std::string text;
    double value;
};

// The reference must itself be right before it can judge readNumber.
TEST(ReadingReference, ReadsWhatPupilsTypeAsReadNumberMust) {
    const Typed rows[] = {
        {"45", 45},
        {" 4 5", 45},
        {"-4.5", -4.5},
        {"4,5", 4},
        {"x45", 0},
        {"1E3", 1},
        {"&H10", 0},
        {"", 0},
        {"\t+ 12\n.5", 12.5},
        {"4\r5", 4},
        {"--3", 0},
        {".5", 0.5},
        {"7.", 7},
        {"0364", 364},
        {std::string("4\0" "5", 3), 4},
        {"7\xc3\xa0", 7},
        {"9007199254740993", 9007199254740992.0},
    };
    for (const Typed& row : rows) {
        EXPECT_EQ(reference::read(row.text).value, row.value) << '"' << row.text << '"';
        EXPECT_EQ(readNumber(row.text), row.value) << '"' << row.text << '"';
    }
}

struct Judged {
    const char* what;
    double actual;
    std::string text;
    bool agrees;
};

// A comparison that accepts anything would make the fuzzer worthless.
TEST(ReadingReference, ComparisonRejectsWrongReadings) {
    const double inf = std::numeric_limits<double>::infinity();
    const Judged rows[] = {
        {"whole number off by one", 46, "45", false},
        {"whole number off by far less than the tolerance", 45.0000000000001, "45", false},
        {"decimal within tolerance", 4.5 * (1 + 1e-14), "4.5", true},
        {"decimal off by 1e-9", 4.500000001, "4.5", false},
        {"sign lost", 4.5, "-4.5", false},
        {"negative zero", -0.0, "-0", true},
        {"infinite for a small number", inf, "45", false},
        {"both infinite", inf, std::string(400, '9'), true},
        {"infinite of the other sign", -inf, std::string(400, '9'), false},
        {"not a number", std::nan(""), "", false},
        {"a digit past the twentieth decimal dropped", 0, "0.000000000000000000009", true},
        {"the twentieth decimal dropped", 0, "0.00000000000000000009", false},
    };
    for (const Judged& row : rows)
        EXPECT_EQ(reference::agrees(row.actual, reference::read(row.text)), row.agrees) << row.what;
}

std::string randomText(std::mt19937_64& rng) {
    static const std::string kAlphabet[] = {"0", "1", "2", "5", "7", "9", " ", "\t", "\n", "+", "-", ".", ",",
                                            "e", "E", "&", "H", "x", "\xc3\xa8", "\xff", std::string(1, '\0'),
                                            "\r", "0", "3", "8"};
    std::string text;
    // Now and then a long run of digits, where whole parts pass 2^53 and 2^64.
    if (rng() % 50 == 0)
        for (auto n = 15 + rng() % 30; n > 0; --n) text += static_cast<char>('0' + rng() % 10);
    const std::size_t length = rng() % 1000 == 0 ? 200 + rng() % 400 : rng() % 24;
    for (std::size_t i = 0; i < length; ++i) text += kAlphabet[rng() % std::size(kAlphabet)];
    return text;
}

TEST(ReadingReference, RandomPupilTextsReadAsTheReferenceReadsThem) {
    std::mt19937_64 rng(20240611);
    int divergences = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string text = randomText(rng);
        const double actual = readNumber(text);
        const reference::Reading expected = reference::read(text);
        if (!reference::agrees(actual, expected) && ++divergences <= 5)
            ADD_FAILURE() << '"' << reference::escaped(text) << "\" reads " << actual << ", the reference " << expected.value;
    }
    EXPECT_EQ(divergences, 0);
}

}  // namespace
