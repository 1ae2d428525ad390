#pragma once

#include <QImage>
#include <QSvgWidget>

namespace vertola::ui {

// A drawing of a window. Every window's drawings are rendered at scale 1 and 2 when the program
// is built (see prerender_main.cpp) and compiled in: painting one is a copy, where rendering it,
// text and all, costs more than the rest of the window. The drawing is still loaded, and is
// rendered as before wherever no such copy fits: another scale, a standalone control, a drawing
// over another control, or a machine whose fonts would draw its text differently.
class PictureWidget final : public QSvgWidget {
    Q_OBJECT
public:
    using QSvgWidget::QSvgWidget;

    // The compiled-in copy for this widget as it stands (window, name, size, scale), or null.
    QImage prerendered() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Where the copy of a window's drawing at a scale is kept, relative to the pictures' root: its
// device pixels in QImage::Format_RGB32, row after row, packed by packPixels.
QString prerenderedName(const QString& window, const QString& control, qreal scale);

// The copy of a window's drawing for this logical size and scale, or null; whether it fits this
// machine is the caller's question (PictureWidget asks it).
QByteArray packPixels(const QImage& image);
QImage prerenderedCopy(const QString& window, const QString& control, QSize size, qreal scale);

// What decides how the drawings' text is rasterised here: the Qt version, the system's
// fontconfig choices, the font files. Copies are used only where this matches the build's.
QString renderingFingerprint();

}  // namespace vertola::ui
