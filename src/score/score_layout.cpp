#include <array>

#include "score/score_window.h"

namespace vertola {

namespace {

constexpr Font kBold12{"MS Sans Serif", 12, true, false};
constexpr Font kGradeFont{"Comic Sans MS", 14.25, false, true};

constexpr std::array<ControlSpec, 8> kScoreControls{{
    {.name = "lblrisp1", .kind = Kind::Label, .rect = {600, 240, 2415, 375}, .caption = "Risposte giuste:",
     .font = kBold12, .align = Align::Right, .visible = false},
    {.name = "lblrisp2", .kind = Kind::Label, .rect = {600, 720, 2415, 375}, .caption = "Risposte sbagliate:",
     .font = kBold12, .align = Align::Right, .visible = false},
    {.name = "lblrisg", .kind = Kind::Label, .rect = {3240, 240, 615, 375}, .font = kBold12,
     .align = Align::Right, .visible = false, .labelledBy = "lblrisp1"},
    {.name = "lblriss", .kind = Kind::Label, .rect = {3240, 720, 615, 375}, .font = kBold12,
     .align = Align::Right, .visible = false, .labelledBy = "lblrisp2"},
    {.name = "lblvoto", .kind = Kind::Label, .rect = {600, 1680, 3255, 855}, .fore = Rgb{0, 0, 192},
     .font = kGradeFont, .align = Align::Center, .visible = false},
    {.name = "cmdok", .kind = Kind::Button, .rect = {1680, 4440, 975, 375}, .caption = "&OK", .visible = false,
     .accessibleName = "OK"},
    {.name = "cmdcalcola", .kind = Kind::Button, .rect = {1320, 1920, 1815, 1215},
     .caption = "&Calcola il punteggio", .font = kSans13, .align = Align::Center,
     .accessibleName = "Calcola il punteggio"},
    {.name = "pctpallot", .kind = Kind::Picture, .rect = {1440, 2760, 1575, 1455}, .visible = false,
     .picture = "medal", .accessibleName = "Medaglia"},
}};
constexpr std::array<std::string_view, 3> kScoreTabs{"cmdok", "cmdcalcola", "pctpallot"};

constexpr WindowLayout kScore999{
    .name = "frm999punteggio",
    .caption = "Punteggio",
    .clientWidth = 4485,
    .clientHeight = 5205,
    .background = Rgb{255, 192, 192},
    .controls = kScoreControls,
    .tabOrder = kScoreTabs,
    .initialFocus = "cmdcalcola",
    .cancelButton = "cmdok",
};

constexpr WindowLayout kScore9999{
    .name = "frm9999punteggio",
    .caption = "Punteggio",
    .clientWidth = 4485,
    .clientHeight = 5205,
    .background = Rgb{255, 128, 128},
    .controls = kScoreControls,
    .tabOrder = kScoreTabs,
    .initialFocus = "cmdcalcola",
    .cancelButton = "cmdok",
};

}  // namespace

const WindowLayout& scoreLayout(Level level) { return level == Level::L999 ? kScore999 : kScore9999; }

}  // namespace vertola
