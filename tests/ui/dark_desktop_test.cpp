#include <QImage>

#include "widget_harness.h"

using namespace vertola;
using namespace vertola::testing;

namespace {

QColor colour(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// A dark desktop theme as a platform theme gives it: for the whole application and again for the
// widget classes that themes colour on their own.
class DarkDesktop {
public:
    DarkDesktop() : saved_(QApplication::palette()) {
        const QColor light(230, 230, 230);
        const QColor grey(60, 60, 60);
        const QColor darker(30, 30, 30);
        const QPalette dark(light, grey, grey.lighter(), darker, grey, light, Qt::white, darker, QColor(45, 45, 45));
        QApplication::setPalette(dark);
        for (const char* themed : kThemedClasses) QApplication::setPalette(dark, themed);
    }
    ~DarkDesktop() {
        QApplication::setPalette(saved_);
        for (const char* themed : kThemedClasses) QApplication::setPalette(saved_, themed);
    }

private:
    static constexpr const char* kThemedClasses[] = {"QWidget", "QLabel", "QLineEdit", "QAbstractButton",
                                                       "QPushButton"};
    QPalette saved_;
};

QImage shot(QWidget* widget) {
    const QPixmap pixmap = widget->grab();
    return pixmap.toImage().scaled(widget->size());
}

// The darkest pixel is where the text is drawn.
int darkestGrey(const QImage& image) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

class UnderADarkTheme : public ::testing::TestWithParam<WindowId> {};

TEST_P(UnderADarkTheme, EveryWindowKeepsTheColoursOfItsTable) {
    const DarkDesktop theme;
    UiHarness h;
    h.core.program.open(GetParam());
    h.view.sync();
    ui::WindowWidget* window = h.widget(GetParam());
    ASSERT_NE(window, nullptr);
    const WindowLayout& layout = layoutOf(GetParam());
    EXPECT_EQ(shot(window).pixelColor(1, 1), colour(layout.background));
    for (const ControlSpec& design : layout.controls) {
        SCOPED_TRACE(std::string(design.name));
        QWidget* widget = window->control(design.name);
        const QColor fore = colour(design.fore.value_or(kBlack));
        switch (design.kind) {
            case Kind::Label: EXPECT_EQ(widget->palette().color(QPalette::WindowText), fore); break;
            case Kind::Line: EXPECT_EQ(shot(widget).pixelColor(0, 0), QColor(Qt::black)); break;
            case Kind::TextBox: {
                EXPECT_EQ(widget->palette().color(QPalette::Text), fore);
                EXPECT_EQ(widget->palette().color(QPalette::Base), QColor(Qt::white));
                if (widget->isHidden()) break;
                EXPECT_EQ(shot(widget).pixelColor(widget->width() / 2, widget->height() / 2), QColor(Qt::white));
                if (design.fore) break;
                // What the pupil types in a column of the default colour is written in black.
                auto* cell = qobject_cast<QLineEdit*>(widget);
                cell->setText(QStringLiteral("8"));
                EXPECT_LT(darkestGrey(shot(cell)), 40);
                cell->setText(QString());
                break;
            }
            case Kind::Button:
            case Kind::PictureButton:
                if (!design.back) {
                    EXPECT_EQ(widget->palette().color(QPalette::ButtonText), fore);
                    EXPECT_GT(qGray(shot(widget).pixel(widget->width() / 2, 3)), 200);
                } else {
                    EXPECT_EQ(shot(widget).pixelColor(4, 4), colour(*design.back));
                }
                // A caption in the default colour is written in black, on any face.
                if (!design.caption.empty() && !design.fore) {
                    EXPECT_LT(darkestGrey(shot(widget)), 40);
                }
                break;
            case Kind::Picture: break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, UnderADarkTheme, ::testing::ValuesIn(kAllWindows),
                         [](const auto& info) { return std::string(windowName(info.param)); });

}  // namespace
