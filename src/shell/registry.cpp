#include "shell/registry.h"

#include <algorithm>

namespace vertola {

std::string_view windowName(WindowId id) { return rowOf(id).name; }

std::optional<WindowId> windowByName(std::string_view name) {
    for (const WindowRow& row : kWindows)
        if (row.name == name) return row.id;
    return std::nullopt;
}

std::optional<WindowId> windowOf(Unit unit, std::optional<Level> level) {
    for (const WindowRow& row : kWindows)
        if (row.unit == unit && row.level == level) return row.id;
    return std::nullopt;
}

std::optional<WindowId> openedBy(WindowId menu, std::string_view button) {
    for (const WindowRow& row : kWindows)
        if (row.opener && row.opener->menu == menu && row.opener->button == button) return row.id;
    return std::nullopt;
}

std::vector<WindowId> exercisesOf(Level level) {
    std::vector<WindowId> windows;
    for (const WindowRow& row : kWindows)
        if (row.scoreCode != 0 && row.level == level) windows.push_back(row.id);
    return windows;
}

std::vector<WindowId> markerResetOrder(Level level) {
    std::vector<WindowId> order;
    for (Unit first : {Unit::Subtraction, Unit::Addition})
        if (const std::optional<WindowId> window = windowOf(first, level)) order.push_back(*window);
    for (WindowId window : exercisesOf(level))
        if (std::find(order.begin(), order.end(), window) == order.end()) order.push_back(window);
    return order;
}

}  // namespace vertola
