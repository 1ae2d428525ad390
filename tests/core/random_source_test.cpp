#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "arithmetic/random_source.h"

using namespace vertola;

namespace {

std::vector<double> take(RandomSource& random, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) values.push_back(random.next());
    return values;
}

// Always answers the same value, as a source at the edge of its range would.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(double value) : value_(value) {}
    void reseed(std::uint64_t) override {}
    double next() override { return value_; }

private:
    double value_;
};

TEST(RandomSource, ValuesStayInsideUnitIntervalForEverySeed) {
    const std::vector<std::uint64_t> seeds{0, 1, 42, 1'000'000'000, UINT64_MAX};
    for (std::uint64_t seed : seeds) {
        Xoshiro random(seed);
        for (int i = 0; i < 200'000; ++i) {
            const double r = random.next();
            ASSERT_GE(r, 0.0) << "seed " << seed;
            ASSERT_LT(r, 1.0) << "seed " << seed;
        }
    }
}

struct EdgeDraw {
    std::string_view name;
    double r;
    int n;
    int expected;
};

void PrintTo(const EdgeDraw& row, std::ostream* os) { *os << row.name; }

const double kJustBelowOne = std::nextafter(1.0, 0.0);

// The ends of the source's range over small and very large n: the whole part never reaches n.
const std::vector<EdgeDraw> kEdgeDraws{
    {"JustBelowOneOver1", kJustBelowOne, 1, 0},
    {"JustBelowOneOver2", kJustBelowOne, 2, 1},
    {"JustBelowOneOver10", kJustBelowOne, 10, 9},
    {"JustBelowOneOver999", kJustBelowOne, 999, 998},
    {"JustBelowOneOver9999", kJustBelowOne, 9999, 9998},
    {"JustBelowOneOver2Pow24", kJustBelowOne, 1 << 24, (1 << 24) - 1},
    {"JustBelowOneOver2Pow30", kJustBelowOne, 1 << 30, (1 << 30) - 1},
    {"JustBelowOneOverIntMax", kJustBelowOne, INT_MAX, INT_MAX - 1},
    {"ZeroOver999", 0.0, 999, 0},
    {"HalfOver999", 0.5, 999, 499},
    {"HalfOver10", 0.5, 10, 5},
};

class DrawBelowEdge : public testing::TestWithParam<EdgeDraw> {};

TEST_P(DrawBelowEdge, StaysBelowN) {
    FixedRandom random(GetParam().r);
    EXPECT_EQ(drawBelow(random, GetParam().n), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, DrawBelowEdge, testing::ValuesIn(kEdgeDraws),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RandomSource, DrawBelow999CoversEveryValueFrom0To998) {
    Xoshiro random(7);
    std::vector<int> seen(999, 0);
    for (int i = 0; i < 100'000; ++i) {
        const int value = drawBelow(random, 999);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 999);
        ++seen[static_cast<std::size_t>(value)];
    }
    for (int value = 0; value < 999; ++value) EXPECT_GT(seen[static_cast<std::size_t>(value)], 0) << value;
}

TEST(RandomSource, DrawBelowTenIsEvenlySpread) {
    Xoshiro random(11);
    std::vector<int> counts(10, 0);
    for (int i = 0; i < 100'000; ++i) ++counts[static_cast<std::size_t>(drawBelow(random, 10))];
    // 10000 expected in each; 500 is five standard deviations.
    for (int value = 0; value < 10; ++value)
        EXPECT_NEAR(counts[static_cast<std::size_t>(value)], 10'000, 500);
}

TEST(RandomSource, ReseedingTwiceWithSameClockGivesDifferentSequences) {
    Xoshiro random(3);
    random.reseed(1'000'000'000);
    const auto first = take(random, 16);
    random.reseed(1'000'000'000);
    EXPECT_NE(take(random, 16), first);
}

TEST(RandomSource, BackToBackReseedsWithSameClockDoNotCancel) {
    Xoshiro once(3), twice(3);
    once.reseed(77);
    twice.reseed(77);
    twice.reseed(77);
    EXPECT_NE(take(once, 16), take(twice, 16));
}

TEST(RandomSource, NeighbouringClockReadingsGiveDifferentSequences) {
    Xoshiro a(3), b(3);
    a.reseed(1'000'000'000);
    b.reseed(1'000'000'001);
    EXPECT_NE(take(a, 16), take(b, 16));
}

TEST(RandomSource, SameSeedGivesSameSequence) {
    Xoshiro a(2024), b(2024);
    EXPECT_EQ(take(a, 1000), take(b, 1000));
    a.reseed(5);
    b.reseed(5);
    EXPECT_EQ(take(a, 1000), take(b, 1000));
}

TEST(RandomSource, DifferentSeedsGiveDifferentSequences) {
    Xoshiro a(2024), b(2025);
    EXPECT_NE(take(a, 16), take(b, 16));
}

}  // namespace
