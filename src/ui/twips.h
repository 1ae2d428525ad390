#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <algorithm>
#include <string_view>

#include "shell/layout.h"

namespace vertola::ui {

// Twips become logical pixels; Qt's high-DPI scaling turns those into device pixels.
inline int toPixels(double twips) { return twipsToPixels(twips); }

inline QRect toPixels(Rect rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

// A line's rect has one extent of 0; its widget is one pixel thick across that extent.
inline QRect lineGeometry(Rect rect) {
    const QRect pixels = toPixels(rect);
    return {pixels.topLeft(), QSize(std::max(1, pixels.width()), std::max(1, pixels.height()))};
}

inline QColor toQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vertola::ui
