#include "ui/assets.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

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

// Every window carries the program's icon and the level menus share their signs, so an icon is
// made once and kept in Qt's pixmap cache, which goes with the application.
QIcon assetIcon(std::string_view name, int side) {
    if (!hasAsset(name)) return QIcon();
    const QString key = QStringLiteral("vertola-asset:%1:%2").arg(toQString(name)).arg(side);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return QIcon(pixmap);
    QImage image = renderAsset(name, side);
    if (image.isNull()) return QIcon();
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
    return QIcon(pixmap);
}

}  // namespace vertola::ui
