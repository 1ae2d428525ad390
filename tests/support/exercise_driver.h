#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fakes.h"
#include "frame/exercise_window.h"

namespace vertola::fakes {

// Cells and the texts a pupil typed into them.
using Typed = std::vector<std::pair<std::string_view, std::string_view>>;
// Whole numbers a draw must take, each with the range it is drawn over.
using Draws = std::vector<std::pair<int, int>>;

// Maps digits onto a row's cells from the right, so "84" in three cells leaves the highest empty.
inline Typed alignedRight(const std::vector<std::string_view>& cellsHighestFirst, std::string_view digits) {
    Typed typed;
    const std::size_t skip = cellsHighestFirst.size() - digits.size();
    for (std::size_t i = skip; i < cellsHighestFirst.size(); ++i)
        typed.emplace_back(cellsHighestFirst[i], digits.substr(i - skip, 1));
    return typed;
}

// One exercise window opened on a forced first operation and driven the way a pupil drives it.
class ExerciseDriver {
public:
    ExerciseDriver(WindowId window, const Draws& firstDraw) : id(window) {
        force(firstDraw);
        h.program.open(window);
    }

    Harness h;
    const WindowId id;

    // The next draw of the window takes these numbers.
    void force(const Draws& draws) {
        for (auto [value, n] : draws) h.random.push({{value, n}});
    }

    ExerciseWindow& window() { return dynamic_cast<ExerciseWindow&>(*h.program.window(id)); }
    const std::string& text(std::string_view control) { return window().text(control); }

    // A cell the window lacks or does not show fails the test.
    void type(const Typed& cells) {
        for (auto [cell, text] : cells) EXPECT_TRUE(h.program.edit(id, cell, text)) << cell;
    }

    void check() { EXPECT_TRUE(h.program.click(id, window().checkButton())); }

    bool praised() { return text("lblmessaggio") == kRightMessage; }
};

}  // namespace vertola::fakes
