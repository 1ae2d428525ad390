#pragma once

#include <array>
#include <span>
#include <string_view>

#include "frame/grid.h"
#include "shell/hidden_boxes.h"
#include "shell/layout.h"

namespace vertola {

inline constexpr int kExerciseClientWidth = 6615;
inline constexpr int kExerciseClientHeight = 5895;

// The controls every exercise window has, placed where the window puts its message and its
// check button; the window's own table adds lbloper, Picture1, txtris and the grid.
constexpr std::array<ControlSpec, 8> frameControls(Rect message, int checkLeft, int checkTop,
                                                   std::string_view checkName) {
    constexpr int hiddenLeft = kExerciseClientWidth - 255;
    return {{
        {.name = "lblmessaggio",
         .kind = Kind::Label,
         .rect = message,
         .fore = kBlue,
         .font = kComic18Bold,
         .align = Align::Center},
        {.name = checkName,
         .kind = Kind::Button,
         .rect = {checkLeft, checkTop, 1215, 375},
         .caption = "&Controlla",
         .accessibleName = "Controlla"},
        {.name = "cmdpunteggio",
         .kind = Kind::Button,
         .rect = {120, 5400, 975, 375},
         .caption = "&Punteggio",
         .accessibleName = "Punteggio"},
        {.name = "cmdfine",
         .kind = Kind::Button,
         .rect = {5760, 5400, 735, 375},
         .caption = "&Fine",
         .accessibleName = "Fine"},
        {.name = kRightBox, .kind = Kind::TextBox, .rect = {hiddenLeft, 120, 255, 285}, .visible = false},
        {.name = kWrongBox, .kind = Kind::TextBox, .rect = {hiddenLeft, 480, 255, 285}, .visible = false},
        {.name = kTotalBox, .kind = Kind::TextBox, .rect = {hiddenLeft, 840, 255, 285}, .visible = false},
        {.name = kMarkerBox,
         .kind = Kind::TextBox,
         .rect = {hiddenLeft, 1200, 255, 285},
         .caption = "0",
         .visible = false},
    }};
}

// Every exercise window has the same client area, frame and cancel button ("&Fine").
constexpr WindowLayout exerciseLayout(std::string_view name, std::string_view caption, Rgb background,
                                      std::span<const ControlSpec> controls,
                                      std::span<const std::string_view> tabOrder,
                                      std::string_view initialFocus, std::string_view checkButton) {
    return {.name = name,
            .caption = caption,
            .clientWidth = kExerciseClientWidth,
            .clientHeight = kExerciseClientHeight,
            .background = background,
            .controls = controls,
            .tabOrder = tabOrder,
            .initialFocus = initialFocus,
            .cancelButton = "cmdfine",
            .checkButton = checkButton};
}

// An exercise window's tab order: its cells as its grid lists them, the check button, then the
// frame's buttons.
template <std::size_t N>
constexpr std::array<std::string_view, N + 3> exerciseTabOrder(const std::array<GridCell, N>& cells,
                                                               std::string_view checkButton) {
    std::array<std::string_view, N + 3> order{};
    for (std::size_t i = 0; i < N; ++i) order[i] = cells[i].design.name;
    order[N] = checkButton;
    order[N + 1] = "cmdpunteggio";
    order[N + 2] = "cmdfine";
    return order;
}

}  // namespace vertola
