#include <gtest/gtest.h>

#include <QApplication>

#include "ui/fonts.h"
#include "ui/qt_texts.h"

int main(int argc, char* argv[]) {
    // The widget tests never need a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vertola::ui::installFontSubstitutions();
    // Qt's own texts as the program shows them.
    vertola::ui::installItalianQtTexts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
