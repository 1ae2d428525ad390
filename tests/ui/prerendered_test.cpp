#include <gtest/gtest.h>

#include <QPixmap>
#include <QPushButton>

#include "shell/program.h"
#include "ui/assets.h"
#include "ui/control.h"
#include "ui/picture_widget.h"
#include "ui/twips.h"

using namespace vertola;
using namespace vertola::ui;

namespace {

// The drawing as it renders live: its control alone on an unnamed window of the table's
// background, which no compiled-in copy belongs to, cut out of the window's picture.
QImage liveDrawing(const WindowLayout& layout, const ControlSpec& design) {
    QWidget window;
    window.setFixedSize(toPixels(layout.clientWidth), toPixels(layout.clientHeight));
    QPalette background = window.palette();
    background.setColor(QPalette::Window, toQColor(layout.background));
    window.setPalette(background);
    window.setAutoFillBackground(true);
    Control picture(design, &window);
    picture.widget()->setVisible(true);
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = shot.devicePixelRatio();
    const QRect area = picture.widget()->geometry();
    QImage part = shot.copy(QRect(area.topLeft() * scale, area.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

TEST(PrerenderedDrawings, EveryCopyIsPixelForPixelTheDrawingRenderedLive) {
    int copies = 0;
    for (WindowId id : kAllWindows) {
        const WindowLayout& layout = layoutOf(id);
        for (const ControlSpec& design : layout.controls) {
            if (design.kind != Kind::Picture) continue;
            SCOPED_TRACE(std::string(layout.name) + " " + std::string(design.name));
            const QImage live = liveDrawing(layout, design);
            const QImage copy = prerenderedCopy(toQString(layout.name), toQString(design.name),
                                                toPixels(design.rect).size(), live.devicePixelRatio());
            if (copy.isNull()) continue;
            ++copies;
            EXPECT_EQ(copy, live);
        }
    }
    // The main menu's three drawings.
    EXPECT_GE(copies, 3);
}

TEST(PrerenderedDrawings, TheMainMenuCopiesEachOfItsDrawings) {
    for (const char* name : {"Picture1", "Picture2", "Image1"}) {
        const ControlSpec& design = *findControl(layoutOf(WindowId::frmuno), name);
        EXPECT_FALSE(prerenderedCopy("frmuno", name, toPixels(design.rect).size(), 1).isNull()) << name;
        EXPECT_FALSE(prerenderedCopy("frmuno", name, toPixels(design.rect).size(), 2).isNull()) << name;
    }
}

TEST(PrerenderedDrawings, NoCopyForAScaleOrSizeItWasNotMadeFor) {
    const ControlSpec& design = *findControl(layoutOf(WindowId::frmuno), "Picture1");
    const QSize size = toPixels(design.rect).size();
    EXPECT_TRUE(prerenderedCopy("frmuno", "Picture1", size, 1.5).isNull());
    EXPECT_TRUE(prerenderedCopy("frmuno", "Picture1", size + QSize(1, 0), 1).isNull());
    EXPECT_TRUE(prerenderedCopy("frmuno", "cmd999", size, 1).isNull());
}

TEST(PrerenderedIcons, EveryIconCopyIsTheDrawingRenderedLive) {
    std::vector<std::pair<std::string_view, int>> icons{{"icon", 32}};
    for (WindowId id : kAllWindows)
        for (const ControlSpec& design : layoutOf(id).controls)
            if (design.kind == Kind::PictureButton)
                icons.emplace_back(design.picture, buttonIconSide(design));
    for (auto [name, side] : icons) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(side));
        const QImage copy = iconCopy(name, side);
        ASSERT_FALSE(copy.isNull());
        EXPECT_EQ(copy, renderAsset(name, side));
    }
}

// A window built to be shown leaves its buttons' captions to the first apply, after the map.
TEST(ButtonCaption, LeftToTheFirstApplyIsWrappedAsAtConstruction) {
    QWidget window;
    const ControlSpec& design = *findControl(layoutOf(WindowId::frmuno), "cmd9999");
    const Control now(design, &window);
    Control later(design, &window, true);
    const auto text = [](const Control& c) { return static_cast<QPushButton*>(c.widget())->text(); };
    ASSERT_TRUE(text(now).contains('\n'));
    EXPECT_EQ(text(later), QString());
    later.apply({.text = std::string(design.caption)});
    EXPECT_EQ(text(later), text(now));
}

}  // namespace
