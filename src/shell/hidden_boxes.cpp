#include "shell/hidden_boxes.h"

#include <cmath>

#include "arithmetic/numeric_reading.h"

namespace vertola {

namespace {

// A count box holds plain decimal text written by its window; anything else reads leniently.
std::uint64_t readCount(const std::string& text) {
    const double value = std::round(readNumber(text));
    if (!(value > 0)) return 0;
    if (value >= 18446744073709551615.0) return UINT64_MAX;
    return static_cast<std::uint64_t>(value);
}

}  // namespace

void publishCounts(Window& exercise, Counts counts) {
    exercise.setText(kRightBox, plainDecimal(counts.giuste));
    exercise.setText(kWrongBox, plainDecimal(counts.sbagliate));
    exercise.setText(kTotalBox, plainDecimal(counts.giuste + counts.sbagliate));
}

Counts publishedCounts(const Window& exercise) {
    return {readCount(exercise.text(kRightBox)), readCount(exercise.text(kWrongBox))};
}

void requestScore(Window& exercise, int scoreCode) {
    exercise.setText(kMarkerBox, plainDecimal(static_cast<unsigned long long>(scoreCode)));
}

bool requestsScore(const Window& exercise, int scoreCode) {
    return readNumber(exercise.text(kMarkerBox)) == scoreCode;
}

void clearScoreRequest(Window& exercise) { exercise.setText(kMarkerBox, "0"); }

}  // namespace vertola
