#include "ui/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vertola::ui {

bool installItalianQtTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    if (!translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vertola::ui
