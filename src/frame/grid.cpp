#include "frame/grid.h"

#include <algorithm>

namespace vertola {

std::vector<std::string_view> Grid::resultCells() const {
    std::vector<std::string_view> names;
    for (Column column : {Column::Thousands, Column::Hundreds, Column::Tens, Column::Units})
        for (const CellTag& cell : cells)
            if (cell.role == CellRole::Result && cell.column == column) names.push_back(cell.name);
    return names;
}

std::vector<std::vector<std::string_view>> Grid::remainderRows() const {
    int steps = 0;
    for (const CellTag& cell : cells)
        if (cell.role == CellRole::Remainder) steps = std::max(steps, cell.step);
    std::vector<std::vector<std::string_view>> rows;
    for (int step = steps; step >= 1; --step) {
        std::vector<std::string_view>& row = rows.emplace_back();
        for (Column column : {Column::Thousands, Column::Hundreds, Column::Tens, Column::Units})
            for (const CellTag& cell : cells)
                if (cell.role == CellRole::Remainder && cell.step == step && cell.column == column)
                    row.push_back(cell.name);
    }
    return rows;
}

std::vector<std::string_view> Grid::emptiedEveryCheck() const {
    std::vector<std::string_view> names;
    for (const CellTag& cell : cells)
        if (cell.role != CellRole::Operand) names.push_back(cell.name);
    return names;
}

std::vector<std::string_view> Grid::emptiedAfterRight() const {
    std::vector<std::string_view> names;
    for (const CellTag& cell : cells)
        if (cell.role == CellRole::Operand) names.push_back(cell.name);
    return names;
}

std::string_view Grid::focusRight() const {
    return cells.empty() ? std::string_view{} : cells.front().name;
}

std::string_view Grid::focusWrong() const {
    for (const CellTag& cell : cells)
        if (cell.role != CellRole::Operand) return cell.name;
    return {};
}

}  // namespace vertola
