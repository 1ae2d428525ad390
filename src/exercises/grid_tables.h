#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "frame/grid.h"
#include "shell/layout.h"

namespace vertola {

// Column colours of the grids; units keep the default text colour.
inline constexpr Rgb kThousandsBlue{0, 0, 255};
inline constexpr Rgb kHundredsGreen{0, 192, 0};
inline constexpr Rgb kTensRed{255, 0, 0};


constexpr ControlSpec cell(std::string_view name, std::string_view accessibleName, Rect rect,
                           std::optional<Rgb> fore = std::nullopt) {
    return {.name = name,
            .kind = Kind::TextBox,
            .rect = rect,
            .fore = fore,
            .font = kSans12Bold,
            .align = Align::Center,
            .accessibleName = accessibleName};
}

// A digit cell with what the frame does with it; a staircase cell of a division names its row.
constexpr GridCell gridCell(CellRole role, Column column, std::string_view name, std::string_view accessibleName,
                            Rect rect, std::optional<Rgb> fore = std::nullopt, int step = 0) {
    return {cell(name, accessibleName, rect, fore), role, column, step};
}

// A column heading or an operation sign: 495 x 375, centred, in the grid's font.
constexpr ControlSpec gridLabel(std::string_view name, std::string_view caption, int left, int top,
                                std::optional<Rgb> fore = std::nullopt) {
    return {.name = name,
            .kind = Kind::Label,
            .rect = {left, top, 495, 375},
            .caption = caption,
            .fore = fore,
            .font = kSans12Bold,
            .align = Align::Center};
}

constexpr ControlSpec hline(std::string_view name, int y, int x1, int x2) {
    return {.name = name, .kind = Kind::Line, .rect = {x1, y, x2 - x1, 0}};
}

constexpr ControlSpec vline(std::string_view name, int x, int y1, int y2) {
    return {.name = name, .kind = Kind::Line, .rect = {x, y1, 0, y2 - y1}};
}

constexpr ControlSpec operationLabel(Rect rect, Align align) {
    return {.name = "lbloper",
            .kind = Kind::Label,
            .rect = rect,
            .font = kSans13,
            .align = align};
}

constexpr ControlSpec picture(Rect rect, std::string_view asset) {
    return {.name = "Picture1",
            .kind = Kind::Picture,
            .rect = rect,
            .picture = asset,
            .accessibleName = "Disegno"};
}

constexpr ControlSpec hiddenBox(std::string_view name, Rect rect) {
    return {.name = name, .kind = Kind::TextBox, .rect = rect, .visible = false};
}

}  // namespace vertola
