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
// Every window carries the program's icon and the level menus share their signs, so a drawing is
// rendered once and kept in Qt's pixmap cache, which goes with the application.
QIcon assetIcon(std::string_view name, int side) {
    if (!hasAsset(name)) return QIcon();
    const QString key = QStringLiteral("vertola-asset:%1:%2").arg(toQString(name)).arg(side);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return QIcon(pixmap);
    QSvgRenderer renderer(assetPath(name));
    if (!renderer.isValid()) return QIcon();
    pixmap = QPixmap(2 * side, 2 * side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return QIcon(pixmap);
}

}  // namespace vertola::ui
