#pragma once

#include <QImage>
#include <QSvgWidget>
#include <cstring>

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

// Reads pixels packed by packPixels in order, any number at a time, so that a large copy can go
// to the screen in bands without being unpacked whole.
class PixelUnpacker {
public:
    PixelUnpacker(const QByteArray& packed, qsizetype total);
    // The next `count` pixels; false, for good, once the data turns out not to fill `total`.
    bool next(quint32* out, qsizetype count);
    // Every pixel given and every word read.
    bool finished() const { return good_ && given_ == total_ && word_ == words_ && left_ == 0; }

private:
    // Compiled-in data need not be aligned for words.
    quint32 word(qsizetype i) const {
        quint32 w;
        std::memcpy(&w, in_ + i * 4, 4);
        return w;
    }

    const char* in_;
    qsizetype words_;
    qsizetype total_;
    qsizetype word_ = 0;
    qsizetype given_ = 0;
    quint32 left_ = 0;   // of the run or stretch under way
    bool run_ = false;
    bool good_;
};

// Whether the copies draw as the drawings would be drawn here; found out once, from any thread,
// even before the application exists.
bool prerenderedCopiesFit();

// Once compiled-in data has been read for good, its pages leave the program's resident memory;
// they would be read back from the program's file if ever needed. Data of its own is left alone.
void releaseCompiledIn(const QByteArray& data);

// A whole window as the program shows it first, focus and all, packed; empty where none was made
// for this scale, or where copies do not fit this machine. `size` is the window's, in pixels at
// scale 1; a PixelUnpacker over that many pixels finds out whether the copy fills it.
QString prerenderedLookName(const QString& window, qreal scale);
QByteArray prerenderedLook(const QString& window, QSize size, qreal scale);

// What decides how the drawings' text is rasterised here: the Qt version, the system's
// fontconfig choices, the font files. Copies are used only where this matches the build's.
QString renderingFingerprint();

}  // namespace vertola::ui
