#include <array>

#include "exercises/exercises.h"
#include "exercises/grid_tables.h"
#include "frame/frame_layout.h"

namespace vertola {

namespace {

// The check button's documented name, the same in both levels.
constexpr std::string_view kCheck = "cmdconferma";

constexpr Rgb kBackOneDigit{255, 192, 255};
constexpr Rgb kBackTwoDigits{192, 192, 255};

// The joined result goes into a hidden box under the frame's own hidden boxes.
constexpr Rect kResultBox{kExerciseClientWidth - 255, 1560, 255, 285};

// Each grid lists its cells as the Tab key visits them: the operands left to right, then every
// product row from the units up, as it is written.

// One-digit multiplier, level 999: columns h, da, u at 3600, 4320, 5040; signs at 5640. The
// multiplicand cells are taller than the others.
constexpr auto kCells999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, moltiplicando", {3600, 1440, 495, 405},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, moltiplicando", {4320, 1440, 495, 405},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, moltiplicando", {5040, 1440, 495, 405}),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, moltiplicatore", {5040, 1920, 495, 375}),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {5040, 2520, 495, 375}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4320, 2520, 495, 375},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3600, 2520, 495, 375},
             kHundredsGreen),
});
constexpr auto kGrid999 = joinControls(joinControls(std::to_array<ControlSpec>({
                                                        operationLabel({3480, 120, 2175, 375}, Align::Center),
                                                        picture({480, 360, 2415, 3375}, "multiplication"),
                                                        hiddenBox("txtris", kResultBox),
                                                        gridLabel("lblh", "h", 3600, 840, kHundredsGreen),
                                                        gridLabel("lblda", "da", 4320, 840, kTensRed),
                                                        gridLabel("lblu", "u", 5040, 840),
                                                    }),
                                                    cellControls(kCells999)),
                                       std::to_array<ControlSpec>({
                                           gridLabel("lblmeno", "x", 5640, 1440),
                                           gridLabel("lbluguale", "=", 5640, 1920),
                                           hline("Line1", 1320, 3480, 5640),
                                           hline("Line4", 2400, 3480, 5640),
                                           vline("Line2", 4200, 720, 3000),
                                           vline("Line3", 4920, 720, 3000),
                                       }));

// One-digit multiplier, level 9999: columns k, h, da, u at 3120, 3840, 4560, 5280; signs at 5880.
constexpr auto kCells9999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Thousands, "txtk1", "migliaia, moltiplicando", {3120, 1440, 495, 420},
             kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, moltiplicando", {3840, 1440, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, moltiplicando", {4560, 1440, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, moltiplicando", {5280, 1440, 495, 420}),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, moltiplicatore", {5280, 1920, 495, 420}),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {5280, 2520, 495, 420}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4560, 2520, 495, 420},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3840, 2520, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Result, Column::Thousands, "txtkris", "migliaia, risultato", {3120, 2520, 495, 420},
             kThousandsBlue),
});
constexpr auto kGrid9999 =
    joinControls(joinControls(std::to_array<ControlSpec>({
                                  operationLabel({3000, 120, 2895, 375}, Align::Center),
                                  picture({360, 840, 2415, 3375}, "multiplication"),
                                  hiddenBox("txtris", kResultBox),
                                  gridLabel("Label1", "k", 3120, 840, kThousandsBlue),
                                  gridLabel("lblh", "h", 3840, 840, kHundredsGreen),
                                  gridLabel("lblda", "da", 4560, 840, kTensRed),
                                  gridLabel("lblu", "u", 5280, 840),
                              }),
                              cellControls(kCells9999)),
                 std::to_array<ControlSpec>({
                     gridLabel("lblmeno", "x", 5880, 1440),
                     gridLabel("lbluguale", "=", 5880, 1920),
                     hline("Line1", 1320, 3000, 5880),
                     hline("Line4", 2400, 3000, 5880),
                     vline("Line5", 3720, 720, 3000),
                     vline("Line2", 4440, 720, 3000),
                     vline("Line3", 5160, 720, 3000),
                 }));

// Two-digit multiplier: the same columns as level 9999, with two partial-product rows, all black.
constexpr auto kCellsTwoDigits = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, moltiplicando", {3840, 1320, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, moltiplicando", {4560, 1320, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, moltiplicando", {5280, 1320, 495, 420}),
    gridCell(CellRole::Operand, Column::Tens, "txtda2", "decine, moltiplicatore", {4560, 1800, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu2", "unità, moltiplicatore", {5280, 1800, 495, 420}),
    gridCell(CellRole::PartialProduct, Column::Units, "txtparu1", "unità, primo prodotto parziale",
             {5280, 2400, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Tens, "txtparda1", "decine, primo prodotto parziale",
             {4560, 2400, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Hundreds, "txtparh1", "centinaia, primo prodotto parziale",
             {3840, 2400, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Thousands, "txtpark1", "migliaia, primo prodotto parziale",
             {3120, 2400, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Units, "txtparu2", "unità, secondo prodotto parziale",
             {5280, 2880, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Tens, "txtparda2", "decine, secondo prodotto parziale",
             {4560, 2880, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Hundreds, "txtparh2", "centinaia, secondo prodotto parziale",
             {3840, 2880, 495, 420}, kBlack),
    gridCell(CellRole::PartialProduct, Column::Thousands, "txtpark2", "migliaia, secondo prodotto parziale",
             {3120, 2880, 495, 420}, kBlack),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, risultato", {5280, 3480, 495, 420}),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, risultato", {4560, 3480, 495, 420},
             kTensRed),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, risultato", {3840, 3480, 495, 420},
             kHundredsGreen),
    gridCell(CellRole::Result, Column::Thousands, "txtkris", "migliaia, risultato", {3120, 3480, 495, 420},
             kThousandsBlue),
});
constexpr auto kGridTwoDigits =
    joinControls(joinControls(std::to_array<ControlSpec>({
                                  operationLabel({3000, 120, 2895, 375}, Align::Center),
                                  picture({360, 960, 2415, 3375}, "multiplication"),
                                  hiddenBox("txtris", kResultBox),
                                  gridLabel("Label1", "k", 3120, 720, kThousandsBlue),
                                  gridLabel("lblh", "h", 3840, 720, kHundredsGreen),
                                  gridLabel("lblda", "da", 4560, 720, kTensRed),
                                  gridLabel("lblu", "u", 5280, 720),
                              }),
                              cellControls(kCellsTwoDigits)),
                 std::to_array<ControlSpec>({
                     gridLabel("lblmeno", "x", 5880, 1320),
                     gridLabel("lbluguale", "=", 5880, 1800),
                     hline("Line1", 1200, 3000, 5880),
                     hline("Line4", 2280, 3000, 5880),
                     hline("Line6", 3360, 3000, 5880),
                     vline("Line5", 3720, 600, 3960),
                     vline("Line2", 4440, 600, 3960),
                     vline("Line3", 5160, 600, 3960),
                 }));

constexpr auto kControls999 =
    joinControls(kGrid999, frameControls({1080, 4200, 4695, 615}, 3960, 3240, kCheck));
constexpr auto kControls9999 =
    joinControls(kGrid9999, frameControls({1080, 4440, 4695, 615}, 3840, 3240, kCheck));
constexpr auto kControlsTwoDigits =
    joinControls(kGridTwoDigits, frameControls({1080, 4680, 4695, 615}, 3840, 4080, kCheck));

constexpr auto kTags999 = cellTags(kCells999);
constexpr auto kTags9999 = cellTags(kCells9999);
constexpr auto kTagsTwoDigits = cellTags(kCellsTwoDigits);
constexpr auto kTabs999 = exerciseTabOrder(kCells999, kCheck);
constexpr auto kTabs9999 = exerciseTabOrder(kCells9999, kCheck);
constexpr auto kTabsTwoDigits = exerciseTabOrder(kCellsTwoDigits, kCheck);

constexpr WindowLayout kLayout999 =
    exerciseLayout("frm999moltiplicazioni", "Moltiplicazioni in vertola", kBackOneDigit, kControls999,
                   kTabs999, kCells999[0].design.name, kCheck);

constexpr WindowLayout kLayout9999 =
    exerciseLayout("frm9999moltiplicazioni", "Moltiplicazioni in vertola con 1 cifra al moltiplicatore",
                   kBackOneDigit, kControls9999, kTabs9999, kCells9999[0].design.name, kCheck);

constexpr WindowLayout kLayoutTwoDigits = exerciseLayout(
    "frm9999moltiplicazioni2", "Moltiplicazioni in vertola con 2 cifre al moltiplicatore", kBackTwoDigits,
    kControlsTwoDigits, kTabsTwoDigits, kCellsTwoDigits[0].design.name, kCheck);

const ExerciseSpec kSpec999{
    .rule = MultiplicationRule{.multiplicandN = 999,
                               .multiplicandAbove = 10,
                               .multiplierN = 9,
                               .multiplierAbove = 1,
                               .limit = 1000},
    .grid = {kTags999},
};

const ExerciseSpec kSpec9999{
    .rule = MultiplicationRule{.multiplicandN = 9999,
                               .multiplicandAbove = 100,
                               .multiplierN = 9,
                               .multiplierAbove = 1,
                               .limit = 10000},
    .grid = {kTags9999},
};

// After a wrong product the pupil starts again from the first partial product.
const ExerciseSpec kSpecTwoDigits{
    .rule = MultiplicationRule{.multiplicandN = 999,
                               .multiplicandAbove = 10,
                               .multiplierN = 99,
                               .multiplierAbove = 10,
                               .limit = 10000},
    .grid = {kTagsTwoDigits},
};

}  // namespace

ExerciseUnit multiplicationUnit(Level level) {
    if (level == Level::L999) return {kSpec999, kLayout999};
    return {kSpec9999, kLayout9999};
}

ExerciseUnit multiplication2Unit() { return {kSpecTwoDigits, kLayoutTwoDigits}; }

}  // namespace vertola
