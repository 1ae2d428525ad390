#include <array>

#include "exercises/exercises.h"
#include "exercises/grid.h"
#include "frame/frame_layout.h"

namespace vertola {

namespace {

// The check button's documented name, the same in both levels.
constexpr std::string_view kCheck = "cmdconferma";

constexpr Rgb kBack999{255, 192, 128};
constexpr Rgb kBack9999{255, 192, 192};

// Level 999: columns h, da, u at 3600, 4320, 5040; signs at 5640. The minuend cells are taller
// than the others.
constexpr auto kGrid999 = std::to_array<ControlSpec>({
    operationLabel({3480, 240, 2175, 375}, Align::Center),
    picture({600, 720, 2055, 3135}, "subtraction"),
    hiddenBox("txtris", {5760, 1080, 255, 285}),
    gridLabel("lblh", "h", 3600, 960, kHundredsGreen),
    gridLabel("lblda", "da", 4320, 960, kTensRed),
    gridLabel("lblu", "u", 5040, 960),
    cell("txth1", "centinaia, minuendo", {3600, 1560, 495, 405}, kHundredsGreen),
    cell("txtda1", "decine, minuendo", {4320, 1560, 495, 405}, kTensRed),
    cell("txtu1", "unità, minuendo", {5040, 1560, 495, 405}),
    cell("txth2", "centinaia, sottraendo", {3600, 2040, 495, 375}, kHundredsGreen),
    cell("txtda2", "decine, sottraendo", {4320, 2040, 495, 375}, kTensRed),
    cell("txtu2", "unità, sottraendo", {5040, 2040, 495, 375}),
    cell("txthris", "centinaia, risultato", {3600, 2640, 495, 375}, kHundredsGreen),
    cell("txtdaris", "decine, risultato", {4320, 2640, 495, 375}, kTensRed),
    cell("txturis", "unità, risultato", {5040, 2640, 495, 375}),
    gridLabel("lblmeno", "-", 5640, 1560),
    gridLabel("lbluguale", "=", 5640, 2040),
    hline("Line1", 1440, 3480, 5640),
    hline("Line4", 2520, 3480, 5640),
    vline("Line2", 4200, 840, 3120),
    vline("Line3", 4920, 840, 3120),
});

// Level 9999: the k column at 2880 before the same h, da, u columns; its cells are all 420 high.
constexpr auto kGrid9999 = std::to_array<ControlSpec>({
    operationLabel({2760, 240, 2895, 375}, Align::Center),
    picture({120, 1200, 2535, 3015}, "subtraction"),
    hiddenBox("txtris", {5760, 1080, 255, 285}),
    gridLabel("Label1", "k", 2880, 960, kThousandsBlue),
    gridLabel("lblh", "h", 3600, 960, kHundredsGreen),
    gridLabel("lblda", "da", 4320, 960, kTensRed),
    gridLabel("lblu", "u", 5040, 960),
    cell("txtk1", "migliaia, minuendo", {2880, 1560, 495, 420}, kThousandsBlue),
    cell("txth1", "centinaia, minuendo", {3600, 1560, 495, 405}, kHundredsGreen),
    cell("txtda1", "decine, minuendo", {4320, 1560, 495, 405}, kTensRed),
    cell("txtu1", "unità, minuendo", {5040, 1560, 495, 405}),
    cell("txtk2", "migliaia, sottraendo", {2880, 2040, 495, 420}, kThousandsBlue),
    cell("txth2", "centinaia, sottraendo", {3600, 2040, 495, 375}, kHundredsGreen),
    cell("txtda2", "decine, sottraendo", {4320, 2040, 495, 375}, kTensRed),
    cell("txtu2", "unità, sottraendo", {5040, 2040, 495, 375}),
    cell("txtkris", "migliaia, risultato", {2880, 2640, 495, 420}, kThousandsBlue),
    cell("txthris", "centinaia, risultato", {3600, 2640, 495, 375}, kHundredsGreen),
    cell("txtdaris", "decine, risultato", {4320, 2640, 495, 375}, kTensRed),
    cell("txturis", "unità, risultato", {5040, 2640, 495, 375}),
    gridLabel("lblmeno", "-", 5640, 1560),
    gridLabel("lbluguale", "=", 5640, 2040),
    hline("Line1", 1440, 2760, 5640),
    hline("Line4", 2520, 2760, 5640),
    vline("Line2", 4200, 840, 3120),
    vline("Line3", 4920, 840, 3120),
    vline("Line5", 3480, 840, 3120),
});

constexpr auto kControls999 =
    joinControls(kGrid999, frameControls({1080, 4440, 4695, 615}, 3960, 3360, kCheck));
constexpr auto kControls9999 =
    joinControls(kGrid9999, frameControls({1080, 4440, 4695, 615}, 3600, 3360, kCheck));

// Operand rows left to right, top to bottom; the result row from the units up, as it is written.
constexpr auto kTabs999 =
    joinNames(std::to_array<std::string_view>({"txth1", "txtda1", "txtu1", "txth2", "txtda2", "txtu2",
                                               "txturis", "txtdaris", "txthris", kCheck}),
              kFrameTabTail);
constexpr auto kTabs9999 = joinNames(
    std::to_array<std::string_view>({"txtk1", "txth1", "txtda1", "txtu1", "txtk2", "txth2", "txtda2", "txtu2",
                                     "txturis", "txtdaris", "txthris", "txtkris", kCheck}),
    kFrameTabTail);

constexpr WindowLayout kLayout999 = exerciseLayout("frm999sottrazioni", "Sottrazioni in vertola", kBack999,
                                                   kControls999, kTabs999, "txth1", kCheck);

constexpr WindowLayout kLayout9999 = exerciseLayout("frm9999sottrazioni", "Sottrazioni in vertola", kBack9999,
                                                    kControls9999, kTabs9999, "txtk1", kCheck);

constexpr auto& kResult999 = kResultRow999;
constexpr auto& kResult9999 = kResultRow9999;
constexpr std::array<std::string_view, 6> kOperands999{"txth1", "txtda1", "txtu1",
                                                       "txth2", "txtda2", "txtu2"};
constexpr std::array<std::string_view, 8> kOperands9999{"txtk1", "txth1", "txtda1", "txtu1",
                                                        "txtk2", "txth2", "txtda2", "txtu2"};

const ExerciseSpec kSpec999{
    .id = WindowId::frm999sottrazioni,
    .levelMenu = WindowId::frm999inizio,
    .scoreWindow = WindowId::frm999punteggio,
    .rule = SubtractionRule{.n = 999},
    .resultCells = kResult999,
    .remainderRows = {},
    .emptiedEveryCheck = kResult999,
    .emptiedAfterRight = kOperands999,
    .focusRight = "txth1",
    .focusWrong = "txturis",
};

const ExerciseSpec kSpec9999{
    .id = WindowId::frm9999sottrazioni,
    .levelMenu = WindowId::frm9999inizio,
    .scoreWindow = WindowId::frm9999punteggio,
    .rule = SubtractionRule{.n = 9999},
    .resultCells = kResult9999,
    .remainderRows = {},
    .emptiedEveryCheck = kResult9999,
    .emptiedAfterRight = kOperands9999,
    .focusRight = "txtk1",
    .focusWrong = "txturis",
};

}  // namespace

ExerciseUnit subtractionUnit(Level level) {
    if (level == Level::L999) return {kSpec999, kLayout999};
    return {kSpec9999, kLayout9999};
}

}  // namespace vertola
