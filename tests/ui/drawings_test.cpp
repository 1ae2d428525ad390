#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ui/picture_widget.h"
#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

// The drawing as it would be rendered straight onto its window, background and all: an opaque
// window's pixels have no alpha, and text is drawn onto them as onto no other.
QImage renderedStraight(ui::PictureWidget& picture) {
    const qreal ratio = picture.devicePixelRatioF();
    const bool opaque = picture.autoFillBackground();
    QImage image(picture.size() * ratio, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(picture.autoFillBackground() ? picture.palette().color(picture.backgroundRole())
                                            : Qt::transparent);
    QPainter painter(&image);
    picture.renderer()->render(&painter, QRectF(QPointF(0, 0), QSizeF(picture.size())));
    return image;
}

// Text is shaded a little differently once Qt has cached its glyphs for another paint, which
// no pupil can see; a drawing of another size, colour or scale differs by far more.
constexpr int kTextShading = 16;

int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 255;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

class Drawings : public ::testing::TestWithParam<WindowId> {};

// Kept pixels that were rendered for another size, colour or scale would show the wrong picture.
TEST_P(Drawings, AreKeptAsTheyWouldBeRenderedOntoTheirWindow) {
    UiHarness h;
    ui::WindowWidget window(GetParam(), layoutOf(GetParam()), h.view);
    window.renderDrawings();
    int pictures = 0;
    for (const ControlSpec& design : layoutOf(GetParam()).controls) {
        auto* picture = qobject_cast<ui::PictureWidget*>(window.control(design.name));
        if (design.kind != Kind::Picture || !picture || !picture->renderer()->isValid()) continue;
        ++pictures;
        const QPixmap kept = picture->pixels();
        ASSERT_FALSE(kept.isNull()) << design.name;
        EXPECT_EQ(kept.devicePixelRatio(), picture->devicePixelRatioF()) << design.name;
        const QImage straight = renderedStraight(*picture);
        EXPECT_LE(largestDifference(kept.toImage().convertToFormat(straight.format()), straight),
                  kTextShading)
            << design.name;
    }
    EXPECT_GT(pictures, 0);
}

// Every window whose table has a drawing: each its own, at the size its table gives.
std::vector<WindowId> windowsWithDrawings() {
    std::vector<WindowId> windows;
    for (WindowId id : kAllWindows) {
        const auto& controls = layoutOf(id).controls;
        if (std::ranges::any_of(controls, [](const ControlSpec& c) { return c.kind == Kind::Picture; }))
            windows.push_back(id);
    }
    return windows;
}

INSTANTIATE_TEST_SUITE_P(WindowsWithDrawings, Drawings, ::testing::ValuesIn(windowsWithDrawings()),
                         [](const ::testing::TestParamInfo<WindowId>& info) {
                             return std::string(layoutOf(info.param).name);
                         });

TEST(Drawings, OfTheSameDrawingAtAnotherSizeAreKeptApart) {
    ui::PictureWidget small;
    ui::PictureWidget large;
    for (ui::PictureWidget* picture : {&small, &large})
        picture->loadDrawing(QStringLiteral(":/assets/icon.svg"));
    small.resize(20, 20);
    large.resize(40, 40);
    EXPECT_EQ(small.pixels().size(), QSize(20, 20) * small.devicePixelRatioF());
    EXPECT_EQ(large.pixels().size(), QSize(40, 40) * large.devicePixelRatioF());
}

}  // namespace
