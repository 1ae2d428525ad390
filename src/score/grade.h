#pragma once

#include <cstdint>
#include <string_view>

namespace vertola {

// The verbal grade for a count of right and wrong answers; empty when there is no answer yet.
//
// The bands are those of the percentage of right answers (100; 90 to 100; 75 to 90; 60 to 75;
// below 60, each lower bound inclusive) but are tested on the counts themselves, so that no
// count is too large to grade and only a score without a wrong answer reaches "Super!!!!".
std::string_view grade(std::uint64_t giuste, std::uint64_t sbagliate);

// The percentage of right answers, not rounded; 0 when there is no answer.
double percentage(std::uint64_t giuste, std::uint64_t sbagliate);

}  // namespace vertola
