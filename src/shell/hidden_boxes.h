#pragma once

#include <cstdint>
#include <string_view>

#include "shell/window.h"

namespace vertola {

// The hidden boxes by which the windows tell each other what they count and who asked for a score:
// every exercise window has them, and the texts stay as the windows would show them.
inline constexpr std::string_view kRightBox = "txtrisg";
inline constexpr std::string_view kWrongBox = "txtriss";
inline constexpr std::string_view kTotalBox = "txttot";
inline constexpr std::string_view kMarkerBox = "txtc";

struct Counts {
    std::uint64_t giuste = 0;
    std::uint64_t sbagliate = 0;
};

// Writes the counts as plain decimal text, their sum too.
void publishCounts(Window& exercise, Counts counts);
// The counts as published; whatever else a box holds reads leniently.
Counts publishedCounts(const Window& exercise);

// The score-request marker: the window's score code while it waits for a score, "0" otherwise.
void requestScore(Window& exercise, int scoreCode);
bool requestsScore(const Window& exercise, int scoreCode);
void clearScoreRequest(Window& exercise);

}  // namespace vertola
