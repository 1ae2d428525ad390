#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>
#include <string_view>

#include "shell/layout.h"

namespace vertola::ui {

// The drawings are compiled in as ":/assets/<name>.svg".
QString assetPath(std::string_view name);
bool hasAsset(std::string_view name);
// A null icon when the drawing is missing, so nothing is drawn.
// The icon is drawn for a square of side logical pixels.
QIcon assetIcon(std::string_view name, int side);
// The drawing rendered live for such an icon: 2 * side pixels square, premultiplied ARGB.
QImage renderAsset(std::string_view name, int side);

}  // namespace vertola::ui
