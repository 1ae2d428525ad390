#include <gtest/gtest.h>

#include <string>

#include "program/windows.h"

using namespace vertola;

namespace {

TEST(LayoutRules, AnIconIsItsTablesSideOrTheButtonLessItsMarginsButNeverUnder16) {
    const struct {
        Rect rect;
        int pictureSide;
        int side;
    } cases[] = {
        {{0, 0, 1095, 1095}, 0, 57},  // 73 px square: 8 px each way
        {{0, 0, 1095, 600}, 0, 24},   // the shorter side decides
        {{0, 0, 300, 300}, 0, 16},    // 20 px: no smaller than 16
        {{0, 0, 735, 735}, 32, 32},   // the table's side wins over the 33 the button would leave
    };
    for (const auto& c : cases) {
        const ControlSpec design{
            .name = "cmd", .kind = Kind::PictureButton, .rect = c.rect, .pictureSide = c.pictureSide};
        EXPECT_EQ(iconSide(design), c.side) << c.rect.width << "x" << c.rect.height;
    }
    EXPECT_EQ(iconSide(*findControl(layoutOf(WindowId::frmuno), "cmdesci")), 32);
}

// A window that judges an answer reads its verdict out; the others have nothing to announce.
TEST(LayoutRules, EveryWindowWithACheckButtonAnnouncesOneLabelAndNoOtherWindowAny) {
    for (WindowId window : kAllWindows) {
        const WindowLayout& layout = layoutOf(window);
        int count = 0;
        for (const ControlSpec& design : layout.controls)
            if (announced(design)) {
                ++count;
                EXPECT_EQ(design.kind, Kind::Label) << design.name;
            }
        EXPECT_EQ(count, layout.checkButton.empty() ? 0 : 1) << layout.name;
    }
}

}  // namespace
