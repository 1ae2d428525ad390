#include <gtest/gtest.h>

#include <QApplication>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    // The widget tests never need a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vertola::ui::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
