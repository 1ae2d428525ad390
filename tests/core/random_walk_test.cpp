#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "walk.h"

using namespace vertola;

namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// WALK_EVENTS events for each of WALK_SEEDS seeds; make soak runs it far longer.
TEST(RandomWalk, NothingAPupilDoesBreaksTheProgram) {
    const std::uint64_t events = fromEnvironment("WALK_EVENTS", 10000);
    const std::uint64_t seeds = fromEnvironment("WALK_SEEDS", 3);
    for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
        walk::RandomWalk walk(seed);
        for (std::uint64_t i = 0; i < events; ++i) {
            const std::string fault = walk.step();
            ASSERT_EQ(fault, "") << "seed " << seed << ", event " << i + 1 << ", last events:\n"
                                 << walk.recentEvents();
        }
        const walk::Figures& f = walk.figures();
        std::cout << "[ walk     ] seed " << seed << ": " << f.summary() << std::endl;
        // A walk that never gets as far as judging or scoring proves nothing about them.
        EXPECT_GT(f.rightChecks, events / 200);
        EXPECT_GT(f.wrongChecks, events / 200);
        EXPECT_GT(f.scoreComputations, 0u);
        EXPECT_GT(f.restarts, 0u);
        EXPECT_GT(f.ignoredEvents, 0u);
        for (WindowId id : kAllWindows)
            if (isExercise(id)) {
                EXPECT_GT(f.rightChecksIn[indexOf(id)], 0u) << windowName(id);
                EXPECT_GT(f.wrongChecksIn[indexOf(id)], 0u) << windowName(id);
            }
    }
}

struct BigCounts {
    const char* name;
    Level level;  // of the addition window that publishes the counts
    std::uint64_t giuste, sbagliate;
    bool rightCheck;
    std::uint64_t shownGiuste, shownSbagliate;
    const char* grade;
};

void typeSum(Program& program, WindowId id, std::string digits) {
    const auto cells = dynamic_cast<const ExerciseWindow&>(*program.window(id)).design().grid.resultCells();
    digits.insert(0, cells.size() - digits.size(), ' ');
    for (std::size_t i = 0; i < cells.size(); ++i) program.edit(id, cells[i], digits.substr(i, 1));
}

// Counts far past 2^31 are published, handed over and graded on their exact values.
TEST(RandomWalk, CountsFarPastTwoToTheThirtyOneAreScoredExactly) {
    const BigCounts rows[] = {
        {"just past 2^31", Level::L999, 2147483648, 0, true, 2147483649, 0, "Super!!!!"},
        {"past 2^32 with one wrong", Level::L9999, 4294967295, 1, true, 4294967296, 1,
         "Sei stato bravissimo!!!"},
        {"exactly 90 percent", Level::L999, 8999999999, 1000000000, true, 9000000000, 1000000000,
         "Sei stato bravissimo!!!"},
        {"a hair under 90 percent", Level::L9999, 9000000000, 1000000000, false, 9000000000,
         1000000001, "Bravo!!"},
        {"exactly 75 percent", Level::L999, 2999999999999, 1000000000000, true, 3000000000000,
         1000000000000, "Bravo!!"},
        {"a hair under 75 percent", Level::L999, 3000000000000, 1000000000000, false,
         3000000000000, 1000000000001, "Abbastanza bene, ma puoi fare di meglio."},
        {"exactly 60 percent of 10^16", Level::L9999, 5999999999999999, 4000000000000000, true,
         6000000000000000, 4000000000000000, "Abbastanza bene, ma puoi fare di meglio."},
        {"a hair under 60 percent", Level::L9999, 6000000000000000, 4000000000000000, false,
         6000000000000000, 4000000000000001, "Non ci siamo. Esercitati di più"},
        {"one right among 2^40 wrong", Level::L999, 0, 1099511627776, true, 1, 1099511627776,
         "Non ci siamo. Esercitati di più"},
    };
    for (const BigCounts& row : rows) {
        SCOPED_TRACE(row.name);
        fakes::Harness h;
        const WindowId exercise = *windowOf(Unit::Addition, row.level);
        const WindowId score = *windowOf(Unit::Score, row.level);
        const int n = row.level == Level::L999 ? 999 : 9999;
        h.program.start();
        ASSERT_TRUE(fakes::pressOpeners(h.program, rowOf(exercise).opener->menu));
        h.random.push({{312, n}, {45, n}, {7, n}});
        ASSERT_TRUE(fakes::pressOpeners(h.program, exercise));
        auto& window = dynamic_cast<ExerciseWindow&>(*h.program.window(exercise));
        ASSERT_EQ(window.text("lbloper"), "312 + 45 + 7");
        window.setCounts(row.giuste, row.sbagliate);
        if (row.rightCheck) typeSum(h.program, exercise, "364");
        ASSERT_TRUE(h.program.click(exercise, "cmdconferma"));

        EXPECT_EQ(window.text("txtrisg"), std::to_string(row.shownGiuste));
        EXPECT_EQ(window.text("txtriss"), std::to_string(row.shownSbagliate));
        EXPECT_EQ(window.text("txttot"), std::to_string(row.shownGiuste + row.shownSbagliate));
        ASSERT_TRUE(h.program.click(exercise, "cmdpunteggio"));
        ASSERT_TRUE(h.program.click(score, "cmdcalcola"));
        const Window& shown = *h.program.window(score);
        EXPECT_EQ(shown.text("lblrisg"), std::to_string(row.shownGiuste));
        EXPECT_EQ(shown.text("lblriss"), std::to_string(row.shownSbagliate));
        EXPECT_EQ(shown.text("lblvoto"), row.grade);
        // The walk's oracle must grade these as the table does.
        EXPECT_EQ(walk::referenceGrade(row.shownGiuste, row.shownSbagliate), row.grade);
    }
}

}  // namespace
