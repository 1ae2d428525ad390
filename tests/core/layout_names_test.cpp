#include <gtest/gtest.h>

#include <string>

#include "shell/program.h"

using namespace vertola;

namespace {

std::string shownCaption(std::string_view caption) {
    std::string shown;
    for (char c : caption)
        if (c != '&') shown += c;
    return shown;
}

// A screen reader reads a label's own text, so no table may give one a fixed name; a button's
// name may say more than its caption, but starts with what the pupil sees on it.
TEST(LayoutNames, NoLabelHasAFixedNameAndEveryButtonNameStartsWithItsCaption) {
    for (WindowId window : kAllWindows) {
        for (const ControlSpec& design : layoutOf(window).controls) {
            SCOPED_TRACE(std::string(windowName(window)) + "." + std::string(design.name));
            if (design.kind == Kind::Label) {
                EXPECT_EQ(design.accessibleName, "");
            }
            if (design.kind == Kind::Button && !design.accessibleName.empty()) {
                EXPECT_TRUE(design.accessibleName.starts_with(shownCaption(design.caption)));
            }
        }
    }
}

}  // namespace
