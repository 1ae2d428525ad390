#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "shell/layout.h"

namespace vertola {

enum class Column { Thousands, Hundreds, Tens, Units };

// What the frame does with a digit cell: the operand rows are the pupil's working space, emptied
// after a right answer and never read; the result row is read, and so is a division's staircase of
// partial remainders; partial products are never read. Everything but the operands is emptied at
// every check.
enum class CellRole { Operand, Result, PartialProduct, Remainder };

// What the frame does with one digit cell, and where the cell stands.
struct CellTag {
    std::string_view name;
    CellRole role = CellRole::Operand;
    Column column = Column::Units;
    int step = 0;  // a staircase row of a division, from 1 at the top
};

// One digit cell as a grid's table is written: its row of the window's table and its tag.
struct GridCell {
    ControlSpec design;
    CellRole role = CellRole::Operand;
    Column column = Column::Units;
    int step = 0;
};

// A grid's cells are listed in the order the Tab key visits them; every list of cells the frame
// needs derives from that one table.
struct Grid {
    std::span<const CellTag> cells;

    // The result row, from the highest column down, as its cells are joined.
    std::vector<std::string_view> resultCells() const;
    // A division's staircase, the lowest row first, each row from left to right (its units last).
    std::vector<std::vector<std::string_view>> remainderRows() const;
    std::vector<std::string_view> emptiedEveryCheck() const;
    std::vector<std::string_view> emptiedAfterRight() const;
    // Where the focus goes after a right answer (the first operand cell) and after a wrong one (the
    // first cell the pupil writes the answer in).
    std::string_view focusRight() const;
    std::string_view focusWrong() const;
};

template <std::size_t N>
constexpr std::array<ControlSpec, N> cellControls(const std::array<GridCell, N>& cells) {
    std::array<ControlSpec, N> controls{};
    for (std::size_t i = 0; i < N; ++i) controls[i] = cells[i].design;
    return controls;
}

// The tags the frame keeps at run time; the cells' table rows go into the window's table.
template <std::size_t N>
constexpr std::array<CellTag, N> cellTags(const std::array<GridCell, N>& cells) {
    std::array<CellTag, N> tags{};
    for (std::size_t i = 0; i < N; ++i)
        tags[i] = {cells[i].design.name, cells[i].role, cells[i].column, cells[i].step};
    return tags;
}

template <std::size_t N>
constexpr std::array<std::string_view, N> cellNames(const std::array<GridCell, N>& cells) {
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i) names[i] = cells[i].design.name;
    return names;
}

}  // namespace vertola
