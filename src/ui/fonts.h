#pragma once

#include <QFont>
#include <QStringList>

#include "shell/layout.h"

namespace vertola::ui {

// The tables name the fonts of the desktop they were drawn on; Debian ships look-alikes, tried
// in the order of these lists.
const QStringList& sansSubstitutes();   // for "MS Sans Serif"
const QStringList& comicSubstitutes();  // for "Comic Sans MS"
void installFontSubstitutions();

QFont toQFont(const Font& font);
// The face a control of the tables shows its text in.
QFont controlFont(const ControlSpec& design);

}  // namespace vertola::ui
