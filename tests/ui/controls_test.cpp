#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>

#include "program/windows.h"
#include "ui/button_caption.h"
#include "ui/control.h"
#include "ui/fonts.h"
#include "ui/twips.h"

using namespace vertola;
using namespace vertola::ui;

namespace {

bool allOneColour(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return false;
    return true;
}

TEST(MissingDrawing, LeavesAPictureEmptyAndAPictureButtonWithoutIcon) {
    QWidget window;
    window.resize(200, 200);
    const ControlSpec pictureSpec{
        .name = "Picture1", .kind = Kind::Picture, .rect = {0, 0, 1500, 1500}, .picture = "no-such-drawing"};
    const ControlSpec buttonSpec{.name = "cmdadd",
                                 .kind = Kind::PictureButton,
                                 .rect = {1500, 0, 1095, 1095},
                                 .picture = "no-such-drawing"};
    const Control picture(pictureSpec, &window);
    const Control button(buttonSpec, &window);
    EXPECT_FALSE(qobject_cast<QSvgWidget*>(picture.widget())->renderer()->isValid());
    EXPECT_TRUE(allOneColour(picture.widget()->grab().toImage()));
    EXPECT_TRUE(qobject_cast<QPushButton*>(button.widget())->icon().isNull());
    EXPECT_FALSE(button.widget()->grab().isNull());
}

struct IconCase {
    WindowId window;
    std::string_view button;
    int side;
};

// The exit button shows a 32 x 32 icon; the sign buttons fill their face but for a margin.
TEST(PictureButton, ShowsItsIconAtTheSizeOfItsTable) {
    const IconCase cases[] = {{WindowId::frmuno, "cmdesci", 32},
                              {WindowId::frm999inizio, "cmdadd", 57},
                              {WindowId::frm9999inizio, "cmddiv", 57}};
    for (const IconCase& c : cases) {
        const ControlSpec& design = *findControl(layoutOf(c.window), c.button);
        QWidget window;
        const Control control(design, &window);
        auto* button = qobject_cast<QPushButton*>(control.widget());
        ASSERT_NE(button, nullptr) << c.button;
        EXPECT_EQ(button->iconSize(), QSize(c.side, c.side)) << c.button;
        EXPECT_EQ(button->icon().actualSize(button->iconSize()), QSize(c.side, c.side)) << c.button;
    }
}

struct WrapCase {
    const char* name;
    const char* caption;
    int width;
    int lines;
};

void PrintTo(const WrapCase& c, std::ostream* os) { *os << c.name; }

const WrapCase kWraps[] = {
    {"ShortCaptionStaysOnOneLine", "&Fine", 100, 1},
    {"AccessMarkTakesNoRoom", "&Controlla", 69, 1},
    {"LongCaptionBreaksAtBlanks", "&Calcola il punteggio", 109, 2},
    {"OneWordTooLongIsNotBroken", "Moltiplicazioni", 20, 1},
    {"EveryWordOnItsLine", "Entro il 9.999", 1, 3},
};

class CaptionWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(CaptionWrap, WritesACaptionTooLongForItsButtonOnSeveralLines) {
    const WrapCase& c = GetParam();
    const QFont font = toQFont(kSans13);
    const QString wrapped = wrapCaption(c.caption, font, c.width);
    const QStringList lines = wrapped.split('\n');
    EXPECT_EQ(lines.size(), c.lines) << qPrintable(wrapped);
    EXPECT_EQ(QString(wrapped).replace('\n', ' '), c.caption);
    if (lines.size() > 1) {
        for (QString line : lines) {
            if (!line.contains(' ')) continue;
            EXPECT_LE(QFontMetrics(font).horizontalAdvance(line.remove('&')), c.width) << qPrintable(line);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, CaptionWrap, ::testing::ValuesIn(kWraps),
                         [](const ::testing::TestParamInfo<WrapCase>& info) { return info.param.name; });

// The widest operation lines each level can draw must be read whole, or the pupil copies a
// wrong number.
TEST(OperationLine, TheWidestAdditionOfEachLevelFitsItsLabel) {
    for (auto [level, widest] :
         {std::pair{Level::L999, "333 + 333 + 333"}, std::pair{Level::L9999, "3333 + 3333 + 3333"}}) {
        const WindowId window = *windowOf(Unit::Addition, level);
        const ControlSpec& design = *findControl(layoutOf(window), "lbloper");
        EXPECT_LE(QFontMetrics(toQFont(design.font)).horizontalAdvance(widest), toPixels(design.rect).width())
            << windowName(window);
    }
}

// A right click on a cell shows Qt's own menu, in Italian like everything else the pupil reads,
// whatever the desktop's language.
TEST(CellMenu, EveryEntryIsItalian) {
    const QStringList italian = {"Ann&ulla", "&Rifai",  "&Taglia",        "&Copia",
                                 "&Incolla", "Elimina", "Seleziona tutto"};
    QWidget window;
    const Control cell(*findControl(layoutOf(WindowId::frm9999divisioni), "txtparu4"), &window);
    auto* edit = qobject_cast<QLineEdit*>(cell.widget());
    ASSERT_NE(edit, nullptr);
    edit->setText("12");
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QList<QAction*> actions = menu->actions();
    QStringList shown;
    while (!actions.isEmpty()) {
        QAction* action = actions.takeFirst();
        if (action->menu()) actions += action->menu()->actions();
        if (!action->isSeparator()) shown << action->text().section('\t', 0, 0);
    }
    EXPECT_GE(shown.size(), italian.size());
    for (const QString& text : shown) EXPECT_TRUE(italian.contains(text)) << qPrintable(text);
}

}  // namespace
