#include <array>

#include "exercises/exercises.h"
#include "exercises/grid_tables.h"
#include "frame/frame_layout.h"

namespace vertola {

namespace {

// The check button's documented name, the same in both levels.
constexpr std::string_view kCheck = "cmdconferma";

constexpr Rgb kBack999{255, 255, 128};
constexpr Rgb kBack9999{128, 255, 255};

// Each grid lists its cells as the Tab key visits them: the operand rows left to right, top to
// bottom, then the result row from the units up, as it is written.

// Level 999: columns h, da, u at 3480, 4200, 4920; signs at 5520.
constexpr auto kCells999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, primo addendo", {3480, 1440, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, primo addendo", {4200, 1440, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, primo addendo", {4920, 1440, 495, 420}),
    gridCell(CellRole::Operand, Column::Hundreds, "txth2", "centinaia, secondo addendo",
             {3480, 1920, 495, 420}, kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda2", "decine, secondo addendo", {4200, 1920, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, secondo addendo", {4920, 1920, 495, 420}),
    gridCell(CellRole::Operand, Column::Hundreds, "txth3", "centinaia, terzo addendo", {3480, 2400, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda3", "decine, terzo addendo", {4200, 2400, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu3", "unità, terzo addendo", {4920, 2400, 495, 420}),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {4920, 3000, 495, 420}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4200, 3000, 495, 420},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3480, 3000, 495, 420},
             kHundredsGreen),
});
constexpr auto kGrid999 = joinControls(joinControls(std::to_array<ControlSpec>({
                                                        operationLabel({3480, 120, 2535, 375}, Align::Left),
                                                        picture({600, 840, 2175, 3135}, "addition"),
                                                        hiddenBox("txtris", {5640, 960, 255, 285}),
                                                        gridLabel("lblh", "h", 3480, 840, kHundredsGreen),
                                                        gridLabel("lblda", "da", 4200, 840, kTensRed),
                                                        gridLabel("lblu", "u", 4920, 840),
                                                    }),
                                                    cellControls(kCells999)),
                                       std::to_array<ControlSpec>({
                                           gridLabel("lblpiu", "+", 5520, 1440),
                                           gridLabel("lblpiu2", "+", 5520, 1920),
                                           gridLabel("lbluguale", "=", 5520, 2400),
                                           hline("Line1", 1320, 3360, 5520),
                                           hline("Line4", 2880, 3360, 5520),
                                           vline("Line2", 4080, 720, 3480),
                                           vline("Line3", 4800, 720, 3480),
                                       }));

// Level 9999: columns k, h, da, u at 2880, 3600, 4320, 5040; signs at 5640.
constexpr auto kCells9999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Thousands, "txtk1", "migliaia, primo addendo", {2880, 1440, 495, 420},
             kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, primo addendo", {3600, 1440, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, primo addendo", {4320, 1440, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, primo addendo", {5040, 1440, 495, 420}),
    gridCell(CellRole::Operand, Column::Thousands, "txtk2", "migliaia, secondo addendo",
             {2880, 1920, 495, 420}, kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth2", "centinaia, secondo addendo",
             {3600, 1920, 495, 420}, kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda2", "decine, secondo addendo", {4320, 1920, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, secondo addendo", {5040, 1920, 495, 420}),
    gridCell(CellRole::Operand, Column::Thousands, "txtk3", "migliaia, terzo addendo", {2880, 2400, 495, 420},
             kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth3", "centinaia, terzo addendo", {3600, 2400, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda3", "decine, terzo addendo", {4320, 2400, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu3", "unità, terzo addendo", {5040, 2400, 495, 420}),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {5040, 3000, 495, 420}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4320, 3000, 495, 420},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3600, 3000, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Result, Column::Thousands, "txtkris", "migliaia, risultato", {2880, 3000, 495, 420},
             kThousandsBlue),
});
constexpr auto kGrid9999 = joinControls(joinControls(std::to_array<ControlSpec>({
                                                         operationLabel({2880, 120, 2655, 375}, Align::Left),
                                                         picture({240, 1200, 2415, 2775}, "addition"),
                                                         hiddenBox("txtris", {5760, 960, 255, 285}),
                                                         gridLabel("Label1", "k", 2880, 840, kThousandsBlue),
                                                         gridLabel("lblh", "h", 3600, 840, kHundredsGreen),
                                                         gridLabel("lblda", "da", 4320, 840, kTensRed),
                                                         gridLabel("lblu", "u", 5040, 840),
                                                     }),
                                                     cellControls(kCells9999)),
                                        std::to_array<ControlSpec>({
                                            gridLabel("lblpiu", "+", 5640, 1440),
                                            gridLabel("lblpiu2", "+", 5640, 1920),
                                            gridLabel("lbluguale", "=", 5640, 2400),
                                            hline("Line1", 1320, 2760, 5640),
                                            hline("Line4", 2880, 2760, 5640),
                                            vline("Line2", 4200, 720, 3480),
                                            vline("Line3", 4920, 720, 3480),
                                            vline("Line5", 3480, 720, 3480),
                                        }));

constexpr auto kControls999 =
    joinControls(kGrid999, frameControls({960, 4440, 4695, 615}, 3840, 3720, kCheck));
constexpr auto kControls9999 =
    joinControls(kGrid9999, frameControls({960, 4440, 4695, 615}, 3600, 3720, kCheck));

constexpr auto kTags999 = cellTags(kCells999);
constexpr auto kTags9999 = cellTags(kCells9999);
constexpr auto kTabs999 = exerciseTabOrder(kCells999, kCheck);
constexpr auto kTabs9999 = exerciseTabOrder(kCells9999, kCheck);

constexpr WindowLayout kLayout999 = exerciseLayout("frm999addizioni", "Addizioni in vertola", kBack999,
                                                   kControls999, kTabs999, kCells999[0].design.name, kCheck);

constexpr WindowLayout kLayout9999 =
    exerciseLayout("frm9999addizioni", "Addizioni in vertola", kBack9999, kControls9999, kTabs9999,
                   kCells9999[0].design.name, kCheck);

const ExerciseSpec kSpec999{.rule = AdditionRule{.n = 999, .limit = 1000}, .grid = {kTags999}};
const ExerciseSpec kSpec9999{.rule = AdditionRule{.n = 9999, .limit = 10000}, .grid = {kTags9999}};

}  // namespace

ExerciseUnit additionUnit(Level level) {
    if (level == Level::L999) return {kSpec999, kLayout999};
    return {kSpec9999, kLayout9999};
}

}  // namespace vertola
