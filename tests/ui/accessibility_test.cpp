#include <QAccessible>
#include <QAccessibleInterface>

#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

class Accessibility : public ::testing::TestWithParam<WindowId> {};

// A screen reader names every control the keyboard can reach, in Italian, and the name never
// replaces what the control shows.
TEST_P(Accessibility, EveryFocusableControlHasAnItalianNameThatLeavesItsCaptionAlone) {
    UiHarness h;
    h.core.program.start();
    h.core.program.open(GetParam());
    h.view.sync();
    const WindowLayout& layout = layoutOf(GetParam());
    for (std::string_view name : layout.tabOrder) {
        QWidget* widget = h.control(GetParam(), name);
        ASSERT_NE(widget, nullptr) << name;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << name;
        // The wrapped caption breaks a line where a space stood.
        const ControlSpec* design = findControl(layout, name);
        if (auto* button = qobject_cast<QPushButton*>(widget); button && !design->caption.empty()) {
            EXPECT_EQ(button->text().replace('\n', ' '), qs(design->caption)) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, Accessibility, ::testing::ValuesIn(kAllWindows),
                         [](const auto& info) { return std::string(windowName(info.param)); });

}  // namespace
