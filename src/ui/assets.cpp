#include "ui/assets.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <cstring>

#include "ui/twips.h"

namespace vertola::ui {

QString assetPath(std::string_view name) { return QStringLiteral(":/assets/%1.svg").arg(toQString(name)); }

bool hasAsset(std::string_view name) { return !name.empty() && QFile::exists(assetPath(name)); }

// Rendered here rather than by Qt's SVG icon plugin, whose loading alone costs the start-up
// several milliseconds; twice the size keeps the drawing crisp on a screen of double density.
QImage renderAsset(std::string_view name, int side) {
    QSvgRenderer renderer(assetPath(name));
    if (!renderer.isValid()) return QImage();
    QImage image(2 * side, 2 * side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter);
    painter.end();
    return image;
}

QString iconCopyName(std::string_view name, int side) {
    return QStringLiteral("icon-%1-%2.argb32").arg(toQString(name)).arg(side);
}

int buttonIconSide(const ControlSpec& design) {
    if (design.pictureSide > 0) return design.pictureSide;
    const QSize button = toPixels(design.rect).size();
    return std::max(16, std::min(button.width(), button.height()) - 16);
}

// The build renders the icons the windows use too (see prerender_main.cpp); an icon has no
// text, so only the Qt that drew it must be this one.
QImage iconCopy(std::string_view name, int side) {
    static const bool sameQt = [] {
        QFile built(QStringLiteral(":/pictures/fingerprint.txt"));
        return built.open(QIODevice::ReadOnly) && built.readLine().trimmed() == qVersion();
    }();
    QFile file(QStringLiteral(":/pictures/") + iconCopyName(name, side));
    if (!sameQt || !file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray pixels = file.readAll();
    QImage image(2 * side, 2 * side, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || pixels.size() != image.sizeInBytes()) return QImage();
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    return image;
}

// Every window carries the program's icon and the level menus share their signs, so an icon is
// made once and kept in Qt's pixmap cache, which goes with the application.
QIcon assetIcon(std::string_view name, int side) {
    if (!hasAsset(name)) return QIcon();
    const QString key = QStringLiteral("vertola-asset:%1:%2").arg(toQString(name)).arg(side);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return QIcon(pixmap);
    QImage image = iconCopy(name, side);
    if (image.isNull()) image = renderAsset(name, side);
    if (image.isNull()) return QIcon();
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
    return QIcon(pixmap);
}

}  // namespace vertola::ui
