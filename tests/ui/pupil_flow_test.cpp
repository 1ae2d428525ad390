#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QSignalSpy>

#include "frame/exercise_window.h"
#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

constexpr WindowId kMenu = WindowId::frm999inizio;
constexpr WindowId kAddition = WindowId::frm999addizioni;

// Opens the level-999 addition through the real menu buttons, with these three addends.
void openAddition(UiHarness& h, int num1, int num2, int num3) {
    h.view.start();
    h.press(WindowId::frmuno, "cmd999");
    h.core.random.push({{num1, 999}, {num2, 999}, {num3, 999}});
    h.press(kMenu, "cmdadd");
    ASSERT_NE(h.widget(kAddition), nullptr);
    ASSERT_TRUE(h.activate(kAddition));
}

void typeInto(UiHarness& h, std::string_view cell, const QString& text) {
    QLineEdit* edit = h.cell(kAddition, cell);
    ASSERT_NE(edit, nullptr) << cell;
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

void pressAltC(UiHarness& h) { QTest::keyClick(h.widget(kAddition), Qt::Key_C, Qt::AltModifier); }

struct CheckCase {
    const char* name;
    int num1, num2, num3;
    QString hris, daris, uris;
    QString message;
    QColor colour;
    std::string_view focus;
    bool operandsKept;
    int beeps;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

const CheckCase kChecks[] = {
    {"RightSum", 312, 45, 7, "3", "6", "4", "Complimenti! Vai avanti", Qt::blue, "txth1", false, 0},
    {"WrongSum", 312, 45, 7, "3", "6", "5", "Sbagliato! Ripeti", Qt::red, "txturis", true, 1},
    {"LeadingZeroSum", 40, 5, 0, "0", "4", "5", "Complimenti! Vai avanti", Qt::blue, "txth1", false, 0},
    {"EmptyRow", 312, 45, 7, "", "", "", "Sbagliato! Ripeti", Qt::red, "txturis", true, 1},
};

class CheckThroughWidgets : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckThroughWidgets, AltCShowsTheMessageMovesTheFocusAndEmptiesTheCells) {
    const CheckCase& c = GetParam();
    UiHarness h;
    openAddition(h, c.num1, c.num2, c.num3);
    const QString operation = h.label(kAddition, "lbloper")->text();
    typeInto(h, "txth1", "3");
    typeInto(h, "txthris", c.hris);
    typeInto(h, "txtdaris", c.daris);
    typeInto(h, "txturis", c.uris);

    pressAltC(h);

    QLabel* message = h.label(kAddition, "lblmessaggio");
    EXPECT_EQ(message->text(), c.message);
    EXPECT_EQ(message->palette().color(QPalette::WindowText), c.colour);
    EXPECT_EQ(QApplication::focusWidget(), h.cell(kAddition, c.focus));
    for (std::string_view cell : {"txthris", "txtdaris", "txturis"})
        EXPECT_EQ(h.cell(kAddition, cell)->text(), "");
    EXPECT_EQ(h.cell(kAddition, "txth1")->text(), c.operandsKept ? "3" : "");
    EXPECT_EQ(h.label(kAddition, "lbloper")->text() == operation, c.operandsKept);
    EXPECT_EQ(h.core.beeper.beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Addition999, CheckThroughWidgets, ::testing::ValuesIn(kChecks),
                         [](const ::testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

// The ways a text gets into a cell: the keyboard, and an assistive tool through the accessibility
// interface, which sets the whole text or edits a part of it.
struct EntryCase {
    const char* name;
    void (*put)(QLineEdit* cell, const QString& text);
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

const EntryCase kEntries[] = {
    {"Typed", [](QLineEdit* cell, const QString& text) { QTest::keyClicks(cell, text); }},
    {"AccessibleValue",
     [](QLineEdit* cell, const QString& text) {
         QAccessible::queryAccessibleInterface(cell)->setText(QAccessible::Value, text);
     }},
    {"AccessibleInsert",
     [](QLineEdit* cell, const QString& text) {
         QAccessible::queryAccessibleInterface(cell)->editableTextInterface()->insertText(0, text);
     }},
    {"AccessibleReplace",
     [](QLineEdit* cell, const QString& text) {
         cell->setText("0");
         QAccessible::queryAccessibleInterface(cell)->editableTextInterface()->replaceText(0, 1, text);
     }},
};

class EntryThroughWidgets : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryThroughWidgets, TextPutInACellIsKeptWhenTheFocusMovesAndJudged) {
    UiHarness h;
    openAddition(h, 323, 120, 236);
    for (auto [cell, digit] :
         {std::pair{"txthris", "6"}, std::pair{"txtdaris", "7"}, std::pair{"txturis", "9"}}) {
        h.cell(kAddition, cell)->setFocus();
        GetParam().put(h.cell(kAddition, cell), digit);
    }
    h.cell(kAddition, "txth1")->setFocus();
    EXPECT_EQ(h.cell(kAddition, "txthris")->text(), "6");
    EXPECT_EQ(h.core.program.window(kAddition)->text("txturis"), "9");
    pressAltC(h);
    EXPECT_EQ(h.label(kAddition, "lblmessaggio")->text(), qs(kRightMessage));
}

INSTANTIATE_TEST_SUITE_P(Addition999, EntryThroughWidgets, ::testing::ValuesIn(kEntries),
                         [](const ::testing::TestParamInfo<EntryCase>& info) { return info.param.name; });

TEST(PupilFlow, TypingIntoACellIsNotDisturbedByTheCoreCatchingUp) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    QLineEdit* cell = h.cell(kAddition, "txturis");
    cell->setFocus();
    QTest::keyClicks(cell, "12");
    QTest::keyClick(cell, Qt::Key_Home);
    QTest::keyClicks(cell, "3");
    EXPECT_EQ(cell->text(), "312");
    EXPECT_EQ(cell->cursorPosition(), 1);
    EXPECT_EQ(h.core.program.window(kAddition)->text("txturis"), "312");
}

TEST(PupilFlow, TypedTextReachesTheCoreAsUtf8) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    QLineEdit* cell = h.cell(kAddition, "txtdaris");
    cell->setFocus();
    // QTest types only ASCII; an Italian keyboard's own key sends its letter as text.
    QKeyEvent egrave(QEvent::KeyPress, Qt::Key_Egrave, Qt::NoModifier, QStringLiteral("\u00e8"));
    QApplication::sendEvent(cell, &egrave);
    QTest::keyClicks(cell, "5");
    EXPECT_EQ(h.core.program.window(kAddition)->text("txtdaris"),
              "\xC3\xA8"
              "5");
}

TEST(PupilFlow, TabMovesAlongTheFirstAddendAndTheCoreKnowsWhereTheFocusIs) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    ASSERT_EQ(QApplication::focusWidget(), h.cell(kAddition, "txth1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), h.cell(kAddition, "txtda1"));
    EXPECT_EQ(h.core.program.window(kAddition)->focus(), "txtda1");
}

TEST(PupilFlow, EscInAnExerciseWindowGoesBackToTheLevelMenu) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    QTest::keyClick(h.cell(kAddition, "txth1"), Qt::Key_Escape);
    EXPECT_EQ(h.core.program.state(kAddition), WindowState::NotLoaded);
    EXPECT_EQ(h.widget(kAddition), nullptr);
    ASSERT_NE(h.widget(kMenu), nullptr);
    EXPECT_TRUE(h.widget(kMenu)->isVisible());
}

TEST(PupilFlow, EscInTheMainMenuEndsTheProgram) {
    UiHarness h;
    QSignalSpy ended(&h.view, &ui::ProgramView::ended);
    h.view.start();
    ASSERT_TRUE(h.activate(WindowId::frmuno));
    QTest::keyClick(h.widget(WindowId::frmuno), Qt::Key_Escape);
    EXPECT_TRUE(h.core.program.ended());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(h.widget(WindowId::frmuno), nullptr);
}

TEST(PupilFlow, EscInTheChooserDoesNothing) {
    UiHarness h;
    h.view.start();
    h.press(WindowId::frmuno, "cmd9999");
    h.press(WindowId::frm9999inizio, "cmdmolt");
    ASSERT_TRUE(h.activate(WindowId::frm9999scelta));
    QTest::keyClick(h.widget(WindowId::frm9999scelta), Qt::Key_Escape);
    EXPECT_EQ(h.core.program.state(WindowId::frm9999scelta), WindowState::Shown);
    EXPECT_TRUE(h.widget(WindowId::frm9999scelta)->isVisible());
}

TEST(PupilFlow, ClosingTheLastVisibleWindowThroughItsTitleBarEndsTheProgram) {
    UiHarness h;
    QSignalSpy ended(&h.view, &ui::ProgramView::ended);
    openAddition(h, 312, 45, 7);
    // The subtraction window was loaded hidden by the menu; it does not keep the program alive.
    ASSERT_EQ(h.core.program.state(WindowId::frm999sottrazioni), WindowState::Hidden);
    h.widget(kAddition)->close();
    EXPECT_TRUE(h.core.program.ended());
    EXPECT_EQ(ended.count(), 1);
    for (WindowId window : kAllWindows) EXPECT_EQ(h.widget(window), nullptr) << windowName(window);
}

TEST(PupilFlow, ClosingTheChooserThroughItsTitleBarLeavesTheLevelMenuOpen) {
    UiHarness h;
    h.view.start();
    h.press(WindowId::frmuno, "cmd9999");
    h.press(WindowId::frm9999inizio, "cmdmolt");
    h.widget(WindowId::frm9999scelta)->close();
    EXPECT_FALSE(h.core.program.ended());
    EXPECT_EQ(h.widget(WindowId::frm9999scelta), nullptr);
    EXPECT_TRUE(h.widget(WindowId::frm9999inizio)->isVisible());
}

TEST(PupilFlow, AHiddenExerciseComesBackInTheSameWidgetAsItWasLeft) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    ui::WindowWidget* addition = h.widget(kAddition);
    typeInto(h, "txtda2", "4");
    h.press(kAddition, "cmdpunteggio");
    EXPECT_TRUE(addition->isHidden());
    EXPECT_TRUE(h.widget(WindowId::frm999punteggio)->isVisible());
    h.press(WindowId::frm999punteggio, "cmdcalcola");
    h.press(WindowId::frm999punteggio, "cmdok");
    h.press(kMenu, "cmdadd");
    EXPECT_EQ(h.widget(kAddition), addition);
    EXPECT_TRUE(addition->isVisible());
    EXPECT_EQ(h.cell(kAddition, "txtda2")->text(), "4");
}

TEST(PupilFlow, TheScoreWindowShowsTheCountsAndTheGradeOnceComputed) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    typeInto(h, "txturis", "364");
    pressAltC(h);
    h.press(kAddition, "cmdpunteggio");
    constexpr WindowId score = WindowId::frm999punteggio;
    EXPECT_TRUE(h.label(score, "lblvoto")->isHidden());
    h.press(score, "cmdcalcola");
    EXPECT_TRUE(h.button(score, "cmdcalcola")->isHidden());
    EXPECT_FALSE(h.label(score, "lblvoto")->isHidden());
    EXPECT_EQ(h.label(score, "lblrisg")->text(), "1");
    EXPECT_EQ(h.label(score, "lblriss")->text(), "0");
    EXPECT_EQ(h.label(score, "lblvoto")->text(), "Super!!!!");
}

TEST(FeedbackTimer, TheFirstCheckStartsItAndATickBlanksTheMessageKeepingItsColour) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    EXPECT_FALSE(h.core.timers.isRunning(kAddition));
    pressAltC(h);
    ASSERT_TRUE(h.core.timers.isRunning(kAddition));
    QLabel* message = h.label(kAddition, "lblmessaggio");
    h.advance(2999);
    EXPECT_EQ(message->text(), "Sbagliato! Ripeti");
    h.advance(1);
    EXPECT_EQ(message->text(), "");
    EXPECT_EQ(message->palette().color(QPalette::WindowText), QColor(Qt::red));
}

// Qt sends the announcement itself only while a screen reader is active, which no offscreen test
// has; what the reader is given to read is the label's description.
TEST(FeedbackMessage, IsGivenToScreenReadersWhileItIsShown) {
    UiHarness h;
    openAddition(h, 312, 45, 7);
    QLabel* message = h.label(kAddition, "lblmessaggio");
    EXPECT_EQ(message->accessibleDescription(), "");
    pressAltC(h);
    EXPECT_EQ(message->accessibleDescription(), "Sbagliato! Ripeti");
    h.advance(3000);
    EXPECT_EQ(message->accessibleDescription(), "");
}

}  // namespace
