#include <QApplication>
#include <QScreen>

#include "program/windows.h"
#include "ui/assets.h"
#include "ui/bare_arguments.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/platform_choice.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"
#include "ui/qt_texts.h"
#include "ui/quiet_start.h"
#include "ui/warm_up.h"

using namespace vertola;

int main(int, char* argv[]) {
    const ui::PlatformChoice choice = ui::choosePlatform(ui::currentDisplayEnvironment());
    if (!choice.displayAvailable) return ui::noDisplay();
    if (!choice.platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platform));

    ui::BareArguments arguments(argv[0]);
    // A display that does not answer, or a platform plugin that is not installed, ends the
    // program here with one line, where Qt would abort with a page of advice and a core dump.
    ui::QuietStart quiet;
    QApplication app(arguments.argc(), arguments.argv());
    quiet.started();
    ui::installFixedLook();
    ui::installItalianQtTexts();
    ui::QtServices services;
    // The program ends by its own rules, not when Qt sees the last window go.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ui::assetIcon("icon", 32));
    // Ties the windows to the installed menu entry, whose icon the desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.vertola.operazioni"));
    ui::installFontSubstitutions();

    Program program(services.services(), windowMaker());
    ui::ProgramView view(program, &services.placement);
    services.timers.setTickHandler([&view](WindowId window) { view.tick(window); });
    QObject::connect(&view, &ui::ProgramView::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // What the other windows need on their first showing is made ready as the pupil starts, so
    // that a window opens within a frame of its click.
    ui::AtFirstInput warmUp([&view] {
        ui::warmUpText(ui::textSamples(), QGuiApplication::primaryScreen()->devicePixelRatio());
        view.buildAhead();
    });
    view.start();
    return QApplication::exec();
}
