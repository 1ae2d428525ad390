#include "ui/assets.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "ui/twips.h"

namespace vertola::ui {

QString assetPath(std::string_view name) { return QStringLiteral(":/assets/%1.svg").arg(toQString(name)); }

bool hasAsset(std::string_view name) { return !name.empty() && QFile::exists(assetPath(name)); }

// Rendered here rather than by Qt's SVG icon plugin, whose loading alone costs the start-up
// several milliseconds; twice the size keeps the drawing crisp on a screen of double density.
QIcon assetIcon(std::string_view name, int side) {
    if (!hasAsset(name)) return QIcon();
    QSvgRenderer renderer(assetPath(name));
    if (!renderer.isValid()) return QIcon();
    QPixmap pixmap(2 * side, 2 * side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace vertola::ui
