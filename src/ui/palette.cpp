#include "ui/palette.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

#include "ui/twips.h"

namespace vertola::ui {

QPalette fixedPalette() {
    // Qt's own light colours, which the program was drawn with before any theme took part.
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    QPalette palette(black, face, white, dark, mid, black, white, white, face);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Shadow, dark.darker(135));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::NoRole, black);
    QColor placeholder = black;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    const QColor disabledText(190, 190, 190);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

QPalette windowPalette(Rgb background) {
    QPalette palette = fixedPalette();
    palette.setColor(QPalette::Window, toQColor(background));
    return palette;
}

void installFixedLook() {
    // Fusion draws with the palette it is given; a desktop's own style may not.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    QApplication::setPalette(fixedPalette());
    QToolTip::setPalette(fixedPalette());
}

}  // namespace vertola::ui
