#pragma once

#include <QPixmap>
#include <QSvgWidget>

namespace vertola::ui {

// A drawing of a window. Once the pupil has started, its pixels are rendered for each size,
// colour behind it and screen density, and kept in Qt's pixmap cache: the level menus share
// their drawings, and a window that opens again copies them instead of rendering text and all
// anew. Until then it is rendered straight onto its window, so the start keeps no pixels.
class PictureWidget final : public QSvgWidget {
    Q_OBJECT
public:
    using QSvgWidget::QSvgWidget;

    // Loads the drawing, which the key of its pixels names.
    void loadDrawing(const QString& path);
    // The pixels as the widget paints them now, rendered here and kept if they are not kept
    // yet; null for a widget with no drawing or no size.
    QPixmap pixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString cacheKey() const;

    QString path_;
};

}  // namespace vertola::ui
