#include "ui/picture_widget.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vertola::ui {

void PictureWidget::loadDrawing(const QString& path) {
    path_ = path;
    load(path);
}

QPixmap PictureWidget::pixels() const {
    if (path_.isEmpty() || size().isEmpty() || !renderer()->isValid()) return {};
    const qreal ratio = devicePixelRatioF();
    // The drawing is rendered over what the widget fills its background with, exactly as it
    // would be rendered straight onto the window.
    const QColor behind = autoFillBackground() ? palette().color(backgroundRole()) : QColor(Qt::transparent);
    const QString key = QStringLiteral("vertola-drawing:%1:%2x%3@%4:%5")
                            .arg(path_)
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(behind.rgba(), 8, 16, QLatin1Char('0'));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(behind);
    QPainter painter(&pixmap);
    renderer()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    const QPixmap pixmap = pixels();
    if (pixmap.isNull()) {
        QSvgWidget::paintEvent(event);
        return;
    }
    QPainter(this).drawPixmap(QPoint(0, 0), pixmap);
}

}  // namespace vertola::ui
