#include <QFontInfo>
#include <QImage>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <cmath>
#include <limits>

#include "shell/layout.h"
#include "ui/fonts.h"
#include "ui/line_widget.h"
#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

int px(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel))); }

QRect expectedGeometry(const ControlSpec& design) {
    const Rect r = design.rect;
    if (design.kind == Kind::Line) return {px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height))};
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

QColor colour(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

bool isOfKind(QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Label: return qobject_cast<QLabel*>(widget) != nullptr;
        case Kind::Button:
        case Kind::PictureButton: return qobject_cast<QPushButton*>(widget) != nullptr;
        case Kind::TextBox: return qobject_cast<QLineEdit*>(widget) != nullptr;
        case Kind::Line: return qobject_cast<ui::LineWidget*>(widget) != nullptr;
        case Kind::Picture: return qobject_cast<QSvgWidget*>(widget) != nullptr;
    }
    return false;
}

Qt::Alignment horizontal(Align align) {
    if (align == Align::Center) return Qt::AlignHCenter;
    if (align == Align::Right) return Qt::AlignRight;
    return Qt::AlignLeft;
}

// What the pupil sees at a point of a widget, in logical pixels.
QColor shownColour(QWidget* widget, QPoint at) {
    const QPixmap shot = widget->grab();
    const qreal ratio = shot.devicePixelRatio();
    return shot.toImage().pixelColor(QPoint(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio)));
}

// The controls that Tab visits from the first one, in the order it visits them.
std::vector<std::string_view> tabWalk(const ui::WindowWidget& window, std::string_view first) {
    std::vector<std::string_view> walk;
    QWidget* start = window.control(first);
    QWidget* at = start;
    do {
        const std::string_view name = window.controlName(at);
        if (!name.empty() && (at->focusPolicy() & Qt::TabFocus)) walk.push_back(name);
        at = at->nextInFocusChain();
    } while (at && at != start && walk.size() < 100);
    return walk;
}

class WindowBuiltFromTable : public ::testing::TestWithParam<WindowId> {
protected:
    void SetUp() override {
        h.core.program.open(GetParam());
        h.view.sync();
        window = h.widget(GetParam());
        ASSERT_NE(window, nullptr);
    }

    const WindowLayout& layout() const { return layoutOf(GetParam()); }
    const Window& state() const { return *h.core.program.window(GetParam()); }

    UiHarness h;
    ui::WindowWidget* window = nullptr;
};

TEST_P(WindowBuiltFromTable, HasTheFixedClientSizeCaptionAndFrameOfItsTable) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(px(layout().clientWidth), px(layout().clientHeight)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), qs(layout().caption));
    EXPECT_EQ(window->windowType(), layout().mainWindow ? Qt::Window : Qt::Dialog);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(shownColour(window, {1, 1}), colour(layout().background));
}

TEST_P(WindowBuiltFromTable, HasEveryControlOfItsTableWhereTheTablePutsIt) {
    ASSERT_EQ(state().controls().size(), layout().controls.size());
    for (std::size_t i = 0; i < layout().controls.size(); ++i) {
        const ControlSpec& design = layout().controls[i];
        SCOPED_TRACE(std::string(design.name));
        const QList<QWidget*> named = window->findChildren<QWidget*>(qs(design.name));
        ASSERT_EQ(named.size(), 1);
        QWidget* widget = named.front();
        EXPECT_TRUE(isOfKind(widget, design.kind));
        EXPECT_EQ(widget->geometry(), expectedGeometry(design));
        EXPECT_EQ(widget->isHidden(), !state().controls()[i].visible);
        if (!design.accessibleName.empty()) {
            EXPECT_EQ(widget->accessibleName(), qs(design.accessibleName));
        }
        if (!design.tooltip.empty()) {
            EXPECT_EQ(widget->toolTip(), qs(design.tooltip));
        }
    }
}

TEST_P(WindowBuiltFromTable, ShowsTheCaptionsTextsAndColoursOfTheCore) {
    for (std::size_t i = 0; i < layout().controls.size(); ++i) {
        const ControlSpec& design = layout().controls[i];
        const ControlState& now = state().controls()[i];
        SCOPED_TRACE(std::string(design.name));
        QWidget* widget = window->control(design.name);
        const QColor defaultText(Qt::black);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), QString::fromStdString(now.text));
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, horizontal(design.align));
            EXPECT_EQ(label->palette().color(QPalette::WindowText), now.fore ? colour(*now.fore) : defaultText);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(edit->text(), QString::fromStdString(now.text));
            EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, horizontal(design.align));
            EXPECT_EQ(edit->palette().color(QPalette::Text), now.fore ? colour(*now.fore) : defaultText);
            EXPECT_EQ(edit->validator(), nullptr);
            EXPECT_EQ(edit->maxLength(), std::numeric_limits<int>::max());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // A long caption is written on several lines.
            EXPECT_EQ(button->text().replace('\n', ' '), qs(design.caption));
            EXPECT_EQ(button->shortcut(), QKeySequence::mnemonic(qs(design.caption)));
            if (design.kind == Kind::PictureButton) {
                EXPECT_FALSE(button->icon().isNull());
                EXPECT_EQ(button->iconSize(), QSize(iconSide(design), iconSide(design)));
            }
        }
        if (design.back && design.kind != Kind::Line) {
            EXPECT_EQ(shownColour(widget, {4, 4}), colour(*design.back));
        }
    }
}

TEST_P(WindowBuiltFromTable, WritesEachCaptionInTheFontOfItsTableOrItsSubstitute) {
    for (const ControlSpec& design : layout().controls) {
        if (design.kind != Kind::Label && design.kind != Kind::Button && design.kind != Kind::TextBox) continue;
        SCOPED_TRACE(std::string(design.name));
        const QFont font = window->control(design.name)->font();
        EXPECT_EQ(font.family(), qs(design.font.family));
        EXPECT_DOUBLE_EQ(font.pointSizeF(), design.font.points);
        EXPECT_EQ(font.bold(), design.font.bold);
        EXPECT_EQ(font.italic(), design.font.italic);
        const QStringList& substitutes =
            design.font.family == "Comic Sans MS" ? ui::comicSubstitutes() : ui::sansSubstitutes();
        // Fontconfig may name the foundry too: "Nimbus Sans [urw]".
        const QString shown = QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0);
        EXPECT_TRUE(substitutes.contains(shown)) << qPrintable(shown);
    }
}

TEST_P(WindowBuiltFromTable, DrawsEveryPictureItsTableNames) {
    for (const ControlSpec& design : layout().controls) {
        if (design.kind != Kind::Picture) continue;
        SCOPED_TRACE(std::string(design.name));
        EXPECT_TRUE(qobject_cast<QSvgWidget*>(window->control(design.name))->renderer()->isValid());
    }
}

TEST_P(WindowBuiltFromTable, TabVisitsTheControlsOfItsTableInOrderAndNoOthers) {
    for (const ControlSpec& design : layout().controls) {
        const bool inOrder = std::find(layout().tabOrder.begin(), layout().tabOrder.end(), design.name) !=
                             layout().tabOrder.end();
        EXPECT_EQ(window->control(design.name)->focusPolicy(), inOrder ? Qt::StrongFocus : Qt::NoFocus) << design.name;
    }
    const std::vector<std::string_view> expected(layout().tabOrder.begin(), layout().tabOrder.end());
    EXPECT_EQ(tabWalk(*window, layout().tabOrder.front()), expected);
}

TEST_P(WindowBuiltFromTable, OpensWithTheFocusOnItsInitialControl) {
    ASSERT_TRUE(h.activate(GetParam()));
    EXPECT_EQ(QApplication::focusWidget(), window->control(layout().initialFocus));
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowBuiltFromTable, ::testing::ValuesIn(kAllWindows),
                         [](const ::testing::TestParamInfo<WindowId>& info) {
                             return std::string(windowName(info.param));
                         });

}  // namespace
