#include <gtest/gtest.h>

#include <QPixmap>
#include <QPushButton>

#include "shell/program.h"
#include "ui/assets.h"
#include "ui/control.h"
#include "ui/picture_widget.h"
#include "ui/twips.h"
#include "widget_harness.h"

using namespace vertola;
using namespace vertola::ui;
using vertola::testing::UiHarness;

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

// Pixels packed as the build packs them, read back in pieces of any size.
struct UnpackCase {
    const char* what;
    std::vector<quint32> words;
    qsizetype total;
    std::vector<quint32> pixels;  // empty: the data does not fill `total` exactly
};

QByteArray bytesOf(const std::vector<quint32>& words) {
    return QByteArray(reinterpret_cast<const char*>(words.data()), static_cast<qsizetype>(words.size() * 4));
}

TEST(PixelUnpacker, GivesThePackedPixelsInPiecesOfAnySizeAndRefusesDataThatDoesNotFillThePicture) {
    const std::vector<UnpackCase> cases = {
        {"a run, a stretch, a run", {3u << 1 | 1, 7, 2u << 1, 8, 9, 4u << 1 | 1, 5}, 9, {7, 7, 7, 8, 9, 5, 5, 5, 5}},
        {"words of no length in between", {0u << 1 | 1, 6, 2u << 1 | 1, 1, 0u << 1, 1u << 1, 2}, 3, {1, 1, 2}},
        {"one pixel short", {3u << 1 | 1, 7}, 4, {}},
        {"one pixel over", {5u << 1 | 1, 7}, 4, {}},
        {"a stretch cut short", {3u << 1, 1, 2}, 3, {}},
        {"a run without its colour", {2u << 1 | 1}, 2, {}},
    };
    for (const UnpackCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray packed = bytesOf(c.words);
        for (qsizetype piece : {qsizetype{1}, qsizetype{2}, qsizetype{4}, c.total}) {
            PixelUnpacker unpacker(packed, c.total);
            std::vector<quint32> out(static_cast<std::size_t>(c.total));
            bool good = true;
            for (qsizetype at = 0; at < c.total && good; at += piece)
                good = unpacker.next(out.data() + at, std::min(piece, c.total - at));
            EXPECT_EQ(good && unpacker.finished(), !c.pixels.empty()) << piece;
            if (!c.pixels.empty()) {
                EXPECT_EQ(out, c.pixels) << piece;
            }
        }
    }
    // Packed data is whole words.
    EXPECT_FALSE(PixelUnpacker(bytesOf({2u << 1 | 1, 7}).chopped(1), 2).finished());
}

// What the X server shows from the map is what the program paints once it has the focus.
TEST(FirstLook, IsTheMainMenuAsThePupilFirstSeesIt) {
    UiHarness h;
    h.view.start();
    ASSERT_TRUE(h.activate(WindowId::frmuno));
    ui::WindowWidget* window = h.widget(WindowId::frmuno);
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.devicePixelRatio() != 1) GTEST_SKIP() << "the look is made at scale 1 only";
    const QByteArray look = prerenderedLook(window->objectName(), window->size(), 1);
    ASSERT_FALSE(look.isEmpty());
    QImage unpacked(window->size(), QImage::Format_RGB32);
    PixelUnpacker pixels(look, qsizetype(unpacked.width()) * unpacked.height());
    ASSERT_TRUE(pixels.next(reinterpret_cast<quint32*>(unpacked.bits()), qsizetype(unpacked.width()) * unpacked.height()));
    EXPECT_TRUE(pixels.finished());
    EXPECT_EQ(unpacked, shown);
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
