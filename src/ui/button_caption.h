#pragma once

#include <QFont>
#include <QString>

namespace vertola::ui {

// Breaks a caption into lines at blanks so that it fits a button of the given inner width, as a
// caption too long for its button is written on several lines; the "&" access marks stay.
QString wrapCaption(const QString& caption, const QFont& font, int width);

}  // namespace vertola::ui
