#include "ui/button_caption.h"

#include <QFontMetrics>
#include <QStringList>

namespace vertola::ui {

namespace {

// The width of a caption as shown: an "&" marks the next letter, "&&" shows one "&".
int shownWidth(const QFontMetrics& metrics, QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return metrics.horizontalAdvance(text);
}

}  // namespace

QString wrapCaption(const QString& caption, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    if (shownWidth(metrics, caption) <= width) return caption;
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && shownWidth(metrics, longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace vertola::ui
