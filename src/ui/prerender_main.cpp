// Renders the windows' drawings as the windows show them, at the scale Qt runs at, and
// every icon the windows use, and writes their pixels where PictureWidget and assetIcon find them,
// with a resource list for rcc.
//     QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 vertola_prerender DIR
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <deque>
#include <string>

#include "shell/program.h"
#include "ui/assets.h"
#include "ui/control.h"
#include "ui/fonts.h"
#include "ui/picture_widget.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"
#include "ui/twips.h"

using namespace vertola;

namespace {

// A drawing over another control shows that control through its clear parts, whatever it shows
// then; such a drawing is always rendered live.
bool overlapsAnEarlierControl(const WindowLayout& layout, const ControlSpec& picture) {
    const QRect area = ui::toPixels(picture.rect);
    for (const ControlSpec& design : layout.controls) {
        if (&design == &picture) return false;
        if (ui::toPixels(design.rect).intersects(area)) return true;
    }
    return false;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The window with its drawings alone, on its own background, grabbed as the screen would show it.
bool renderWindow(WindowId id, const QDir& out) {
    const WindowLayout& layout = layoutOf(id);
    QWidget window;
    window.setObjectName(ui::toQString(layout.name));
    window.setFixedSize(ui::toPixels(layout.clientWidth), ui::toPixels(layout.clientHeight));
    QPalette background = window.palette();
    background.setColor(QPalette::Window, ui::toQColor(layout.background));
    window.setPalette(background);
    window.setAutoFillBackground(true);
    std::deque<ui::Control> pictures;
    for (const ControlSpec& design : layout.controls) {
        if (design.kind != Kind::Picture || overlapsAnEarlierControl(layout, design)) continue;
        pictures.emplace_back(design, &window);
        pictures.back().widget()->setVisible(true);
    }
    if (pictures.empty()) return true;
    window.show();
    QApplication::processEvents();
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = shot.devicePixelRatio();
    for (const ui::Control& picture : pictures) {
        const QRect area = picture.widget()->geometry();
        const QImage part = shot.copy(QRect(area.topLeft() * scale, area.size() * scale));
        const QString name = ui::prerenderedName(window.objectName(), picture.widget()->objectName(), scale);
        if (!write(out.filePath(name), ui::packPixels(part))) return false;
    }
    return true;
}

// The main menu as the start shows it, focus and all, which the X server fills the window with
// from its map until the program's own first paint.
bool renderFirstLook(const QDir& out) {
    ui::QtServices services;
    Program program(services.services());
    ui::ProgramView view(program, &services.screen);
    view.start();
    ui::WindowWidget* window = view.widget(kAllWindows.front());
    if (!window) return false;
    QApplication::processEvents();
    const QImage look = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return write(out.filePath(ui::prerenderedLookName(window->objectName(), 1)), ui::packPixels(look));
}

bool writeIcon(std::string_view name, int side, const QDir& out) {
    const QImage image = ui::renderAsset(name, side);
    if (image.isNull()) return true;
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return write(out.filePath(ui::iconCopyName(name, side)), pixels);
}

// The program's icon and every picture button's; they do not depend on the scale.
bool renderIcons(const QDir& out) {
    if (!writeIcon("icon", 32, out)) return false;
    for (WindowId id : kAllWindows) {
        for (const ControlSpec& design : layoutOf(id).controls) {
            if (design.kind != Kind::PictureButton) continue;
            if (!writeIcon(design.picture, ui::buttonIconSide(design), out)) return false;
        }
    }
    return true;
}

bool writeResourceList(const QDir& out, const QString& name, const QStringList& files) {
    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const QString& file : files) qrc += "    <file>" + file.toUtf8() + "</file>\n";
    qrc += "  </qresource>\n</RCC>\n";
    return write(out.filePath(name), qrc);
}

// Three lists, which the build compresses differently (see CMakeLists.txt): the main menu's
// drawings at scale 1, which the start reads; the icons and the main menu at scale 2; the other
// windows' drawings.
bool writeResourceLists(const QDir& out) {
    const QStringList files = out.entryList({QStringLiteral("*.rgb32"), QStringLiteral("*.argb32"), QStringLiteral("fingerprint.txt")}, QDir::Files, QDir::Name);
    const QString first = ui::toQString(layoutOf(kAllWindows.front()).name);
    QStringList atStart;
    QStringList other;
    QStringList later;
    for (const QString& file : files) {
        if (!file.endsWith(QStringLiteral(".rgb32")))
            other << file;
        else if (!file.startsWith(first + QLatin1Char('-')) && !file.startsWith(first + QLatin1Char('@')))
            later << file;
        else
            (file.endsWith(QStringLiteral("@1.rgb32")) ? atStart : other) << file;
    }
    return writeResourceList(out, QStringLiteral("pictures-start.qrc"), atStart) &&
           writeResourceList(out, QStringLiteral("pictures.qrc"), other) &&
           writeResourceList(out, QStringLiteral("pictures-later.qrc"), later);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vertola_prerender DIR\n", stderr);
        return 2;
    }
    ui::installFontSubstitutions();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // Every window's drawings at scale 1, so that a window opens within a frame of its click:
    // rendering a drawing with text costs more than the rest of its window. At scale 2 only the
    // main menu's, for the start: the program is mapped whole into memory, and each copy at scale
    // 2 weighs four at scale 1.
    const bool doubled = qApp->devicePixelRatio() > 1;
    for (WindowId id : kAllWindows) {
        if (doubled && id != kAllWindows.front()) continue;
        if (!renderWindow(id, out)) {
            std::fprintf(stderr, "vertola_prerender: cannot write the drawings of %s\n", std::string(layoutOf(id).name).c_str());
            return 1;
        }
    }
    if (!doubled && !renderFirstLook(out)) {
        std::fputs("vertola_prerender: cannot write the main menu's first look\n", stderr);
        return 1;
    }
    if (!renderIcons(out) || !write(out.filePath(QStringLiteral("fingerprint.txt")), ui::renderingFingerprint().toUtf8()) ||
        !writeResourceLists(out)) {
        std::fputs("vertola_prerender: cannot write the resource list\n", stderr);
        return 1;
    }
    return 0;
}
