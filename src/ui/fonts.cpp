#include "ui/fonts.h"

#include <QStringList>

#include "ui/twips.h"

namespace vertola::ui {

// The tables' sans-serif is as narrow as Arial: with a wider face the longest operation line
// ("1000 + 1000 + 7999") no longer fits its label, so the metric look-alikes come first and
// DejaVu Sans, always present on Debian, last.
const QStringList& sansSubstitutes() {
    static const QStringList families{"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans Condensed",
                                      "DejaVu Sans"};
    return families;
}

const QStringList& comicSubstitutes() {
    static const QStringList families{"Comic Neue", "DejaVu Sans"};
    return families;
}

void installFontSubstitutions() {
    QFont::insertSubstitutions("MS Sans Serif", sansSubstitutes());
    QFont::insertSubstitutions("Comic Sans MS", comicSubstitutes());
}

QFont toQFont(const Font& font) {
    QFont qfont(toQString(font.family));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

// A label or button shows only the tables' and the core's own texts, whose every character its
// face has: it needs no fallback faces, whose list fontconfig takes milliseconds to sort at each
// face's first use. A cell shows whatever the pupil types or pastes, and keeps them.
QFont controlFont(const ControlSpec& design) {
    QFont font = toQFont(design.font);
    if (design.kind != Kind::TextBox) font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace vertola::ui
