#include "ui/picture_widget.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vertola::ui {

void PictureWidget::loadDrawing(const QString& path) {
    path_ = path;
    load(path);
}

namespace {

// The drawing is rendered over what the widget fills its background with, exactly as it would be
// rendered straight onto the window.
QColor colourBehind(const QWidget& widget) {
    return widget.autoFillBackground() ? widget.palette().color(widget.backgroundRole())
                                       : QColor(Qt::transparent);
}

}  // namespace

QString PictureWidget::cacheKey() const {
    return QStringLiteral("vertola-drawing:%1:%2x%3@%4:%5")
        .arg(path_)
        .arg(width())
        .arg(height())
        .arg(devicePixelRatioF())
        .arg(colourBehind(*this).rgba(), 8, 16, QLatin1Char('0'));
}

QPixmap PictureWidget::pixels() const {
    if (path_.isEmpty() || size().isEmpty() || !renderer()->isValid()) return {};
    const QString key = cacheKey();
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    const qreal ratio = devicePixelRatioF();
    const QColor behind = colourBehind(*this);
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
    QPixmap pixmap;
    if (path_.isEmpty() || !QPixmapCache::find(cacheKey(), &pixmap)) {
        QSvgWidget::paintEvent(event);
        return;
    }
    QPainter(this).drawPixmap(QPoint(0, 0), pixmap);
}

}  // namespace vertola::ui
