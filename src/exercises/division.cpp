#include <array>

#include "exercises/exercises.h"
#include "exercises/grid_tables.h"
#include "frame/frame_layout.h"

namespace vertola {

namespace {

// The check button's documented names: each level's window has its own.
constexpr std::string_view kCheck999 = "Command1";
constexpr std::string_view kCheck9999 = "cmdcontrolla";

constexpr Rgb kBack{128, 255, 128};
// The division grids have a darker hundreds green than the other operations.
constexpr Rgb kDivisionGreen{0, 128, 0};

// The frame's counters and marker continue the row of txtris and txtresto, one box every 240
// twips, instead of standing at the right-hand edge.
constexpr std::array<ControlSpec, 8> besideRemainderBox(std::array<ControlSpec, 8> frame, Rect resto) {
    int left = resto.left;
    for (ControlSpec& control : frame) {
        if (control.visible) continue;
        left += 240;
        control.rect = {left, resto.top, resto.width, resto.height};
    }
    return frame;
}

// Each grid lists its cells as the Tab key visits them: the dividend, the divisor, then each
// quotient digit followed by the staircase row it produces.

// Level 999: dividend columns h, da, u at 2760, 3360, 3960, the bracket at x 4560, the divisor and
// the quotient to its right. The staircase keeps the h and da colours; its units cells are black.
constexpr auto kCells999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, dividendo", {2760, 1200, 495, 420},
             kDivisionGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, dividendo", {3360, 1200, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, dividendo", {3960, 1200, 495, 420}),
    gridCell(CellRole::Operand, Column::Units, "txtdivis", "unità, divisore", {4680, 1200, 495, 420}, kBlack),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, quoziente", {4680, 1800, 495, 420},
             kBlack),
    gridCell(CellRole::Remainder, Column::Hundreds, "txtparh1", "centinaia, primo resto parziale",
             {2760, 1800, 495, 420}, kDivisionGreen, 1),
    gridCell(CellRole::Remainder, Column::Tens, "txtparda1", "decine, primo resto parziale",
             {3360, 1800, 495, 420}, kTensRed, 1),
    gridCell(CellRole::Remainder, Column::Units, "txtparu1", "unità, primo resto parziale",
             {3960, 1800, 495, 420}, kBlack, 1),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, quoziente", {5280, 1800, 495, 420}, kBlack),
    gridCell(CellRole::Remainder, Column::Tens, "txtparda2", "decine, secondo resto parziale",
             {3360, 2280, 495, 420}, kTensRed, 2),
    gridCell(CellRole::Remainder, Column::Units, "txtparu2", "unità, secondo resto parziale",
             {3960, 2280, 495, 420}, kBlack, 2),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, quoziente", {5880, 1800, 495, 420}, kBlack),
    gridCell(CellRole::Remainder, Column::Units, "txtparu3", "unità, terzo resto parziale",
             {3960, 2760, 495, 420}, kBlack, 3),
});
constexpr auto kGrid999 = joinControls(joinControls(std::to_array<ControlSpec>({
                                                        operationLabel({2760, 120, 3615, 375}, Align::Center),
                                                        picture({240, 960, 2295, 2655}, "division"),
                                                        hiddenBox("txtris", {5160, 1320, 255, 285}),
                                                        hiddenBox("txtresto", {5400, 1320, 255, 285}),
                                                        gridLabel("Label2", "h", 2760, 720, kDivisionGreen),
                                                        gridLabel("Label3", "da", 3360, 720, kTensRed),
                                                        gridLabel("Label4", "u", 3960, 720),
                                                    }),
                                                    cellControls(kCells999)),
                                       std::to_array<ControlSpec>({
                                           vline("Line1", 4560, 1080, 3240),
                                           hline("Line2", 1680, 4560, 6480),
                                       }));

// Level 9999: dividend columns k, h, da, u at 480, 1080, 1680, 2280, the bracket at x 2880; the
// whole staircase is black. Picture1 comes before the cells, so the quotient row it overlaps is
// stacked above it.
constexpr auto kCells9999 = std::to_array<GridCell>({
    gridCell(CellRole::Operand, Column::Thousands, "txtk1", "migliaia, dividendo", {480, 1320, 495, 420},
             kThousandsBlue),
    gridCell(CellRole::Operand, Column::Hundreds, "txth1", "centinaia, dividendo", {1080, 1320, 495, 420},
             kDivisionGreen),
    gridCell(CellRole::Operand, Column::Tens, "txtda1", "decine, dividendo", {1680, 1320, 495, 420},
             kTensRed),
    gridCell(CellRole::Operand, Column::Units, "txtu1", "unità, dividendo", {2280, 1320, 495, 420}),
    gridCell(CellRole::Operand, Column::Units, "txtdivis", "unità, divisore", {3000, 1320, 495, 420}, kBlack),
    gridCell(CellRole::Result, Column::Thousands, "txtkris", "migliaia, quoziente", {3000, 1920, 495, 420},
             kBlack),
    gridCell(CellRole::Remainder, Column::Thousands, "txtpark1", "migliaia, primo resto parziale",
             {480, 1920, 495, 420}, kBlack, 1),
    gridCell(CellRole::Remainder, Column::Hundreds, "txtparh1", "centinaia, primo resto parziale",
             {1080, 1920, 495, 420}, kBlack, 1),
    gridCell(CellRole::Remainder, Column::Tens, "txtparda1", "decine, primo resto parziale",
             {1680, 1920, 495, 420}, kBlack, 1),
    gridCell(CellRole::Remainder, Column::Units, "txtparu1", "unità, primo resto parziale",
             {2280, 1920, 495, 420}, kBlack, 1),
    gridCell(CellRole::Result, Column::Hundreds, "txthris", "centinaia, quoziente", {3600, 1920, 495, 420},
             kBlack),
    gridCell(CellRole::Remainder, Column::Hundreds, "txtparh2", "centinaia, secondo resto parziale",
             {1080, 2400, 495, 420}, kBlack, 2),
    gridCell(CellRole::Remainder, Column::Tens, "txtparda2", "decine, secondo resto parziale",
             {1680, 2400, 495, 420}, kBlack, 2),
    gridCell(CellRole::Remainder, Column::Units, "txtparu2", "unità, secondo resto parziale",
             {2280, 2400, 495, 420}, kBlack, 2),
    gridCell(CellRole::Result, Column::Tens, "txtdaris", "decine, quoziente", {4200, 1920, 495, 420}, kBlack),
    gridCell(CellRole::Remainder, Column::Tens, "txtparda3", "decine, terzo resto parziale",
             {1680, 2880, 495, 420}, kBlack, 3),
    gridCell(CellRole::Remainder, Column::Units, "txtparu3", "unità, terzo resto parziale",
             {2280, 2880, 495, 420}, kBlack, 3),
    gridCell(CellRole::Result, Column::Units, "txturis", "unità, quoziente", {4800, 1920, 495, 420}, kBlack),
    gridCell(CellRole::Remainder, Column::Units, "txtparu4", "unità, quarto resto parziale",
             {2280, 3360, 495, 420}, kBlack, 4),
});
constexpr auto kGrid9999 =
    joinControls(joinControls(std::to_array<ControlSpec>({
                                  operationLabel({1080, 240, 3615, 375}, Align::Center),
                                  picture({3600, 1920, 2775, 2415}, "division"),
                                  hiddenBox("txtris", {3480, 1440, 255, 285}),
                                  hiddenBox("txtresto", {3720, 1440, 255, 285}),
                                  gridLabel("Label1", "k", 480, 840, kThousandsBlue),
                                  gridLabel("Label2", "h", 1080, 840, kDivisionGreen),
                                  gridLabel("Label3", "da", 1680, 840, kTensRed),
                                  gridLabel("Label4", "u", 2280, 840),
                              }),
                              cellControls(kCells9999)),
                 std::to_array<ControlSpec>({
                     vline("Line1", 2880, 1200, 3840),
                     hline("Line2", 1800, 2880, 5400),
                 }));

constexpr auto kControls999 = joinControls(
    kGrid999,
    besideRemainderBox(frameControls({960, 4200, 4815, 615}, 3960, 3480, kCheck999), {5400, 1320, 255, 285}));
constexpr auto kControls9999 = joinControls(
    kGrid9999,
    besideRemainderBox(frameControls({480, 4560, 4815, 615}, 480, 3840, kCheck9999), {3720, 1440, 255, 285}));

constexpr auto kTags999 = cellTags(kCells999);
constexpr auto kTags9999 = cellTags(kCells9999);
constexpr auto kTabs999 = exerciseTabOrder(kCells999, kCheck999);
constexpr auto kTabs9999 = exerciseTabOrder(kCells9999, kCheck9999);

constexpr WindowLayout kLayout999 =
    exerciseLayout("frm999divisioni", "Divisioni in vertola", kBack, kControls999, kTabs999,
                   kCells999[0].design.name, kCheck999);

constexpr WindowLayout kLayout9999 =
    exerciseLayout("frm9999divisioni", "Divisioni in vertola", kBack, kControls9999, kTabs9999,
                   kCells9999[0].design.name, kCheck9999);

const ExerciseSpec kSpec999{
    .rule = DivisionRule{.dividendN = 999, .dividendAbove = 20, .divisorN = 9, .divisorAbove = 1},
    .grid = {kTags999},
};

const ExerciseSpec kSpec9999{
    .rule = DivisionRule{.dividendN = 9999, .dividendAbove = 1000, .divisorN = 9, .divisorAbove = 1},
    .grid = {kTags9999},
};

}  // namespace

ExerciseUnit divisionUnit(Level level) {
    if (level == Level::L999) return {kSpec999, kLayout999};
    return {kSpec9999, kLayout9999};
}

}  // namespace vertola
