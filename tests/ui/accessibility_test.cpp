#include <QAccessible>
#include <QAccessibleInterface>

#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

class Accessibility : public ::testing::TestWithParam<WindowId> {};

// A screen reader names every control the keyboard can reach, in Italian, and the name never
// replaces what the control shows; a button's name may say more, but begins with its caption.
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
            const QString shown = qs(design->caption).remove('&');
            EXPECT_TRUE(accessible->text(QAccessible::Name).startsWith(shown)) << name;
        }
    }
}

// What a reader reads for a label is what the label shows, whatever the label is.
void expectEveryLabelReadAsShown(const UiHarness& h, const char* after) {
    for (WindowId id : kAllWindows) {
        const ui::WindowWidget* window = h.widget(id);
        if (!window) continue;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            EXPECT_EQ(accessibleName(label), label->text())
                << "after " << after << ": " << windowName(id) << '.' << qPrintable(label->objectName());
        }
    }
}

TEST_P(Accessibility, EveryLabelIsReadAsItShowsOnceLoaded) {
    UiHarness h;
    h.core.program.start();
    h.core.program.open(GetParam());
    h.view.sync();
    expectEveryLabelReadAsShown(h, "loading");
}

INSTANTIATE_TEST_SUITE_P(AllWindows, Accessibility, ::testing::ValuesIn(kAllWindows),
                         [](const auto& info) { return std::string(windowName(info.param)); });

// The drawn operation, the feedback message, the counts and the grade are read as they change.
TEST(Accessibility, EveryLabelIsReadAsItShowsAfterEachChange) {
    constexpr WindowId addition = WindowId::frm999addizioni;
    constexpr WindowId score = WindowId::frm999punteggio;
    UiHarness h;
    h.view.start();
    h.press(WindowId::frmuno, "cmd999");
    h.core.random.push({{312, 999}, {45, 999}, {7, 999}});
    h.press(WindowId::frm999inizio, "cmdadd");
    ASSERT_NE(h.widget(addition), nullptr);
    EXPECT_EQ(accessibleName(h.label(addition, "lbloper")), "312 + 45 + 7");
    expectEveryLabelReadAsShown(h, "loading");

    h.press(addition, "cmdconferma");
    EXPECT_EQ(accessibleName(h.label(addition, "lblmessaggio")), "Sbagliato! Ripeti");
    expectEveryLabelReadAsShown(h, "a wrong check");

    h.advance(3000);
    EXPECT_EQ(accessibleName(h.label(addition, "lblmessaggio")), "");
    expectEveryLabelReadAsShown(h, "the tick");

    h.core.random.push({{100, 999}, {20, 999}, {3, 999}});
    QTest::keyClicks(h.cell(addition, "txturis"), "364");
    h.press(addition, "cmdconferma");
    EXPECT_EQ(accessibleName(h.label(addition, "lbloper")), "100 + 20 + 3");
    EXPECT_EQ(accessibleName(h.label(addition, "lblmessaggio")), "Complimenti! Vai avanti");
    expectEveryLabelReadAsShown(h, "a right check");

    h.press(addition, "cmdpunteggio");
    h.press(score, "cmdcalcola");
    EXPECT_EQ(accessibleName(h.label(score, "lblrisg")), "1");
    EXPECT_EQ(accessibleName(h.label(score, "lblriss")), "1");
    EXPECT_EQ(accessibleName(h.label(score, "lblvoto")), "Non ci siamo. Esercitati di più");
    expectEveryLabelReadAsShown(h, "the score");
}

}  // namespace
