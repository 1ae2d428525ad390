#include <QClipboard>
#include <QGuiApplication>

#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

constexpr WindowId kAddition = WindowId::frm999addizioni;
constexpr qsizetype kMegabyte = 1 << 20;

struct PasteCase {
    const char* name;
    const char* answer;  // at the very end of the paste, where a cut text would lose it
    QString message;
    const char* right;
    const char* wrong;
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

const PasteCase kPastes[] = {
    {"RightSumAfterAMegabyteOfBlanks", "364", "Complimenti! Vai avanti", "1", "0"},
    {"WrongSumAfterAMegabyteOfBlanks", "365", "Sbagliato! Ripeti", "0", "1"},
};

class LongPaste : public ::testing::TestWithParam<PasteCase> {};

// Blanks are skipped wherever they stand, so only a cell that keeps the whole paste is judged
// on the digits at its end.
TEST_P(LongPaste, AMegabytePastedIntoAResultCellIsKeptWholeAndJudged) {
    const PasteCase& c = GetParam();
    UiHarness h;
    h.view.start();
    h.press(WindowId::frmuno, "cmd999");
    h.core.random.push({{312, 999}, {45, 999}, {7, 999}});
    h.press(WindowId::frm999inizio, "cmdadd");
    ASSERT_TRUE(h.activate(kAddition));
    const QString answer = QString(c.answer);
    const QString pasted = QString(kMegabyte - answer.size(), ' ') + answer;
    QGuiApplication::clipboard()->setText(pasted);

    QLineEdit* cell = h.cell(kAddition, "txturis");
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell->text().size(), kMegabyte);
    EXPECT_EQ(h.core.program.window(kAddition)->text("txturis").size(), static_cast<std::size_t>(kMegabyte));

    h.press(kAddition, "cmdconferma");
    EXPECT_EQ(h.label(kAddition, "lblmessaggio")->text(), c.message);
    EXPECT_EQ(h.cell(kAddition, "txtrisg")->text(), c.right);
    EXPECT_EQ(h.cell(kAddition, "txtriss")->text(), c.wrong);
    EXPECT_EQ(h.cell(kAddition, "txtris")->text().size(), kMegabyte);
}

INSTANTIATE_TEST_SUITE_P(Addition999, LongPaste, ::testing::ValuesIn(kPastes),
                         [](const ::testing::TestParamInfo<PasteCase>& info) { return info.param.name; });

}  // namespace
