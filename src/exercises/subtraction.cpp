#include <array>

#include "exercises/exercises.h"
#include "exercises/grid_tables.h"
#include "frame/frame_layout.h"

namespace vertola {

namespace {

// The check button's documented name, the same in both levels.
constexpr std::string_view kCheck = "cmdconferma";

constexpr Rgb kBack999{255, 192, 128};
constexpr Rgb kBack9999{255, 192, 192};

// Each grid lists its cells as the Tab key visits them: the operand rows left to right, top to
// bottom, then the result row from the units up, as it is written.

// Level 999: columns h, da, u at 3600, 4320, 5040; signs at 5640. The minuend cells are taller
// than the others.
constexpr auto kCells999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, minuendo", {3600, 1560, 495, 405},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, minuendo", {4320, 1560, 495, 405}, kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, minuendo", {5040, 1560, 495, 405}),
    gridCell(CellRole::Operand, Column::Hundreds, "txth2", "centinaia, sottraendo", {3600, 2040, 495, 375},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda2", "decine, sottraendo", {4320, 2040, 495, 375},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, sottraendo", {5040, 2040, 495, 375}),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {5040, 2640, 495, 375}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4320, 2640, 495, 375},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3600, 2640, 495, 375},
             kHundredsGreen),
});
constexpr auto kGrid999 = joinControls(joinControls(std::to_array<ControlSpec>({
                                                        operationLabel({3480, 240, 2175, 375}, Align::Center),
                                                        picture({600, 720, 2055, 3135}, "subtraction"),
                                                        hiddenBox("txtris", {5760, 1080, 255, 285}),
                                                        gridLabel("lblh", "h", 3600, 960, kHundredsGreen),
                                                        gridLabel("lblda", "da", 4320, 960, kTensRed),
                                                        gridLabel("lblu", "u", 5040, 960),
                                                    }),
                                                    cellControls(kCells999)),
                                       std::to_array<ControlSpec>({
                                           gridLabel("lblmeno", "-", 5640, 1560),
                                           gridLabel("lbluguale", "=", 5640, 2040),
                                           hline("Line1", 1440, 3480, 5640),
                                           hline("Line4", 2520, 3480, 5640),
                                           vline("Line2", 4200, 840, 3120),
                                           vline("Line3", 4920, 840, 3120),
                                       }));

// Level 9999: the k column at 2880 before the same h, da, u columns; its cells are all 420 high.
constexpr auto kCells9999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Thousands, "txtk1", "migliaia, minuendo", {2880, 1560, 495, 420},
             kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, minuendo", {3600, 1560, 495, 405},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, minuendo", {4320, 1560, 495, 405}, kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, minuendo", {5040, 1560, 495, 405}),
    gridCell(CellRole::Operand, Column::Thousands, "txtk2", "migliaia, sottraendo", {2880, 2040, 495, 420},
             kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth2", "centinaia, sottraendo", {3600, 2040, 495, 375},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda2", "decine, sottraendo", {4320, 2040, 495, 375},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, sottraendo", {5040, 2040, 495, 375}),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {5040, 2640, 495, 375}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4320, 2640, 495, 375},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3600, 2640, 495, 375},
             kHundredsGreen),
    gridCell(CellRole::Result, Column::Thousands, "txtkris", "migliaia, risultato", {2880, 2640, 495, 420},
             kThousandsBlue),
});
constexpr auto kGrid9999 =
    joinControls(joinControls(std::to_array<ControlSpec>({
                                  operationLabel({2760, 240, 2895, 375}, Align::Center),
                                  picture({120, 1200, 2535, 3015}, "subtraction"),
                                  hiddenBox("txtris", {5760, 1080, 255, 285}),
                                  gridLabel("Label1", "k", 2880, 960, kThousandsBlue),
                                  gridLabel("lblh", "h", 3600, 960, kHundredsGreen),
                                  gridLabel("lblda", "da", 4320, 960, kTensRed),
                                  gridLabel("lblu", "u", 5040, 960),
                              }),
                              cellControls(kCells9999)),
                 std::to_array<ControlSpec>({
                     gridLabel("lblmeno", "-", 5640, 1560),
                     gridLabel("lbluguale", "=", 5640, 2040),
                     hline("Line1", 1440, 2760, 5640),
                     hline("Line4", 2520, 2760, 5640),
                     vline("Line2", 4200, 840, 3120),
                     vline("Line3", 4920, 840, 3120),
                     vline("Line5", 3480, 840, 3120),
                 }));

constexpr auto kControls999 =
    joinControls(kGrid999, frameControls({1080, 4440, 4695, 615}, 3960, 3360, kCheck));
constexpr auto kControls9999 =
    joinControls(kGrid9999, frameControls({1080, 4440, 4695, 615}, 3600, 3360, kCheck));

constexpr auto kTags999 = cellTags(kCells999);
constexpr auto kTags9999 = cellTags(kCells9999);
constexpr auto kTabs999 = exerciseTabOrder(kCells999, kCheck);
constexpr auto kTabs9999 = exerciseTabOrder(kCells9999, kCheck);

constexpr WindowLayout kLayout999 = exerciseLayout("frm999sottrazioni", "Sottrazioni in vertola", kBack999,
                                                   kControls999, kTabs999, kCells999[0].design.name, kCheck);

constexpr WindowLayout kLayout9999 =
    exerciseLayout("frm9999sottrazioni", "Sottrazioni in vertola", kBack9999, kControls9999, kTabs9999,
                   kCells9999[0].design.name, kCheck);

const ExerciseSpec kSpec999{.rule = SubtractionRule{.n = 999}, .grid = {kTags999}};
const ExerciseSpec kSpec9999{.rule = SubtractionRule{.n = 9999}, .grid = {kTags9999}};

}  // namespace

ExerciseUnit subtractionUnit(Level level) {
    if (level == Level::L999) return {kSpec999, kLayout999};
    return {kSpec9999, kLayout9999};
}

}  // namespace vertola
