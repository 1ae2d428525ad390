#include <array>

#include "exercises/exercises.h"
#include "exercises/grid.h"
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

// Level 999: dividend columns h, da, u at 2760, 3360, 3960, the bracket at x 4560, the divisor and
// the quotient to its right. The staircase keeps the h and da colours; its units cells are black.
constexpr auto kGrid999 = std::to_array<ControlSpec>({
    operationLabel({2760, 120, 3615, 375}, Align::Center),
    picture({240, 960, 2295, 2655}, "division"),
    hiddenBox("txtris", {5160, 1320, 255, 285}),
    hiddenBox("txtresto", {5400, 1320, 255, 285}),
    gridLabel("Label2", "h", 2760, 720, kDivisionGreen),
    gridLabel("Label3", "da", 3360, 720, kTensRed),
    gridLabel("Label4", "u", 3960, 720),
    cell("txth1", "centinaia, dividendo", {2760, 1200, 495, 420}, kDivisionGreen),
    cell("txtda1", "decine, dividendo", {3360, 1200, 495, 420}, kTensRed),
    cell("txtu1", "unità, dividendo", {3960, 1200, 495, 420}),
    cell("txtdivis", "unità, divisore", {4680, 1200, 495, 420}, kBlack),
    cell("txthris", "centinaia, quoziente", {4680, 1800, 495, 420}, kBlack),
    cell("txtdaris", "decine, quoziente", {5280, 1800, 495, 420}, kBlack),
    cell("txturis", "unità, quoziente", {5880, 1800, 495, 420}, kBlack),
    cell("txtparh1", "centinaia, primo resto parziale", {2760, 1800, 495, 420}, kDivisionGreen),
    cell("txtparda1", "decine, primo resto parziale", {3360, 1800, 495, 420}, kTensRed),
    cell("txtparu1", "unità, primo resto parziale", {3960, 1800, 495, 420}, kBlack),
    cell("txtparda2", "decine, secondo resto parziale", {3360, 2280, 495, 420}, kTensRed),
    cell("txtparu2", "unità, secondo resto parziale", {3960, 2280, 495, 420}, kBlack),
    cell("txtparu3", "unità, terzo resto parziale", {3960, 2760, 495, 420}, kBlack),
    vline("Line1", 4560, 1080, 3240),
    hline("Line2", 1680, 4560, 6480),
});

// Level 9999: dividend columns k, h, da, u at 480, 1080, 1680, 2280, the bracket at x 2880; the
// whole staircase is black. Picture1 comes before the cells, so the quotient row it overlaps is
// stacked above it.
constexpr auto kGrid9999 = std::to_array<ControlSpec>({
    operationLabel({1080, 240, 3615, 375}, Align::Center),
    picture({3600, 1920, 2775, 2415}, "division"),
    hiddenBox("txtris", {3480, 1440, 255, 285}),
    hiddenBox("txtresto", {3720, 1440, 255, 285}),
    gridLabel("Label1", "k", 480, 840, kThousandsBlue),
    gridLabel("Label2", "h", 1080, 840, kDivisionGreen),
    gridLabel("Label3", "da", 1680, 840, kTensRed),
    gridLabel("Label4", "u", 2280, 840),
    cell("txtk1", "migliaia, dividendo", {480, 1320, 495, 420}, kThousandsBlue),
    cell("txth1", "centinaia, dividendo", {1080, 1320, 495, 420}, kDivisionGreen),
    cell("txtda1", "decine, dividendo", {1680, 1320, 495, 420}, kTensRed),
    cell("txtu1", "unità, dividendo", {2280, 1320, 495, 420}),
    cell("txtdivis", "unità, divisore", {3000, 1320, 495, 420}, kBlack),
    cell("txtkris", "migliaia, quoziente", {3000, 1920, 495, 420}, kBlack),
    cell("txthris", "centinaia, quoziente", {3600, 1920, 495, 420}, kBlack),
    cell("txtdaris", "decine, quoziente", {4200, 1920, 495, 420}, kBlack),
    cell("txturis", "unità, quoziente", {4800, 1920, 495, 420}, kBlack),
    cell("txtpark1", "migliaia, primo resto parziale", {480, 1920, 495, 420}, kBlack),
    cell("txtparh1", "centinaia, primo resto parziale", {1080, 1920, 495, 420}, kBlack),
    cell("txtparda1", "decine, primo resto parziale", {1680, 1920, 495, 420}, kBlack),
    cell("txtparu1", "unità, primo resto parziale", {2280, 1920, 495, 420}, kBlack),
    cell("txtparh2", "centinaia, secondo resto parziale", {1080, 2400, 495, 420}, kBlack),
    cell("txtparda2", "decine, secondo resto parziale", {1680, 2400, 495, 420}, kBlack),
    cell("txtparu2", "unità, secondo resto parziale", {2280, 2400, 495, 420}, kBlack),
    cell("txtparda3", "decine, terzo resto parziale", {1680, 2880, 495, 420}, kBlack),
    cell("txtparu3", "unità, terzo resto parziale", {2280, 2880, 495, 420}, kBlack),
    cell("txtparu4", "unità, quarto resto parziale", {2280, 3360, 495, 420}, kBlack),
    vline("Line1", 2880, 1200, 3840),
    hline("Line2", 1800, 2880, 5400),
});

constexpr auto kControls999 = joinControls(
    kGrid999,
    besideRemainderBox(frameControls({960, 4200, 4815, 615}, 3960, 3480, kCheck999), {5400, 1320, 255, 285}));
constexpr auto kControls9999 = joinControls(
    kGrid9999,
    besideRemainderBox(frameControls({480, 4560, 4815, 615}, 480, 3840, kCheck9999), {3720, 1440, 255, 285}));

// Dividend, divisor, then each quotient digit followed by the staircase row it produces.
constexpr auto kTabs999 =
    joinNames(std::to_array<std::string_view>({"txth1", "txtda1", "txtu1", "txtdivis", "txthris", "txtparh1",
                                               "txtparda1", "txtparu1", "txtdaris", "txtparda2", "txtparu2",
                                               "txturis", "txtparu3", kCheck999}),
              kFrameTabTail);
constexpr auto kTabs9999 =
    joinNames(std::to_array<std::string_view>(
                  {"txtk1",    "txth1",     "txtda1",   "txtu1",   "txtdivis", "txtkris",   "txtpark1",
                   "txtparh1", "txtparda1", "txtparu1", "txthris", "txtparh2", "txtparda2", "txtparu2",
                   "txtdaris", "txtparda3", "txtparu3", "txturis", "txtparu4", kCheck9999}),
              kFrameTabTail);

constexpr WindowLayout kLayout999 = exerciseLayout("frm999divisioni", "Divisioni in vertola", kBack,
                                                   kControls999, kTabs999, "txth1", kCheck999);

constexpr WindowLayout kLayout9999 = exerciseLayout("frm9999divisioni", "Divisioni in vertola", kBack,
                                                    kControls9999, kTabs9999, "txtk1", kCheck9999);

constexpr std::array<std::string_view, 3> kQuotient999{"txthris", "txtdaris", "txturis"};
constexpr std::array<std::string_view, 4> kQuotient9999{"txtkris", "txthris", "txtdaris", "txturis"};

// Each staircase row from left to right, so its units cell comes last.
constexpr std::array<std::string_view, 3> kStep1Of999{"txtparh1", "txtparda1", "txtparu1"};
constexpr std::array<std::string_view, 2> kStep2Of999{"txtparda2", "txtparu2"};
constexpr std::array<std::string_view, 1> kStep3Of999{"txtparu3"};
constexpr std::array<RemainderRow, 3> kStaircase999{RemainderRow{kStep3Of999}, RemainderRow{kStep2Of999},
                                                    RemainderRow{kStep1Of999}};

constexpr std::array<std::string_view, 4> kStep1Of9999{"txtpark1", "txtparh1", "txtparda1", "txtparu1"};
constexpr std::array<std::string_view, 3> kStep2Of9999{"txtparh2", "txtparda2", "txtparu2"};
constexpr std::array<std::string_view, 2> kStep3Of9999{"txtparda3", "txtparu3"};
constexpr std::array<std::string_view, 1> kStep4Of9999{"txtparu4"};
constexpr std::array<RemainderRow, 4> kStaircase9999{RemainderRow{kStep4Of9999}, RemainderRow{kStep3Of9999},
                                                     RemainderRow{kStep2Of9999}, RemainderRow{kStep1Of9999}};

constexpr std::array<std::string_view, 9> kEmptied999{"txthris",   "txtdaris",  "txturis",
                                                      "txtparh1",  "txtparda1", "txtparu1",
                                                      "txtparda2", "txtparu2",  "txtparu3"};
constexpr std::array<std::string_view, 14> kEmptied9999{
    "txtkris",  "txthris",  "txtdaris",  "txturis",  "txtpark1",  "txtparh1", "txtparda1",
    "txtparu1", "txtparh2", "txtparda2", "txtparu2", "txtparda3", "txtparu3", "txtparu4"};
constexpr std::array<std::string_view, 4> kOperands999{"txth1", "txtda1", "txtu1", "txtdivis"};
constexpr std::array<std::string_view, 5> kOperands9999{"txtk1", "txth1", "txtda1", "txtu1", "txtdivis"};

const ExerciseSpec kSpec999{
    .id = WindowId::frm999divisioni,
    .levelMenu = WindowId::frm999inizio,
    .scoreWindow = WindowId::frm999punteggio,
    .rule = DivisionRule{.dividendN = 999, .dividendAbove = 20, .divisorN = 9, .divisorAbove = 1},
    .resultCells = kQuotient999,
    .remainderRows = kStaircase999,
    .emptiedEveryCheck = kEmptied999,
    .emptiedAfterRight = kOperands999,
    .focusRight = "txth1",
    .focusWrong = "txthris",
};

const ExerciseSpec kSpec9999{
    .id = WindowId::frm9999divisioni,
    .levelMenu = WindowId::frm9999inizio,
    .scoreWindow = WindowId::frm9999punteggio,
    .rule = DivisionRule{.dividendN = 9999, .dividendAbove = 1000, .divisorN = 9, .divisorAbove = 1},
    .resultCells = kQuotient9999,
    .remainderRows = kStaircase9999,
    .emptiedEveryCheck = kEmptied9999,
    .emptiedAfterRight = kOperands9999,
    .focusRight = "txtk1",
    .focusWrong = "txtkris",
};

}  // namespace

ExerciseUnit divisionUnit(Level level) {
    if (level == Level::L999) return {kSpec999, kLayout999};
    return {kSpec9999, kLayout9999};
}

}  // namespace vertola
