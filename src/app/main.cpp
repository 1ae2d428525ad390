#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <thread>
#ifdef VERTOLA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "shell/program.h"
#include "ui/assets.h"
#include "ui/bare_arguments.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/platform_choice.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"
#include "ui/warm_up.h"
#include "x11_probe.h"

using namespace vertola;

int main(int, char* argv[]) {
    const ui::PlatformChoice choice = ui::choosePlatform(ui::currentDisplayEnvironment());
    if (!choice.displayAvailable || (choice.x11Only && !x11ServerAnswers())) {
        std::fputs("vertola: impossibile aprire lo schermo (nessun display disponibile)\n", stderr);
        return 1;
    }
    if (!choice.platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platform));
#ifdef VERTOLA_HAVE_FONTCONFIG
    // Reading fontconfig's configuration and caches is most of the first caption's measuring; on
    // a core of its own it is done while Qt starts, and Qt then finds it done.
    std::jthread fontconfig([] { FcInit(); });
#endif

    ui::BareArguments arguments(argv[0]);
    QApplication app(arguments.argc(), arguments.argv());
    ui::installFixedLook();
    // Early, so that the window manager is asked about its frame while the program gets ready.
    ui::QtServices services;
    // The program ends by its own rules, not when Qt sees the last window go.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ui::assetIcon("icon", 32));
    // Ties the windows to the installed menu entry, whose icon the desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.vertola.operazioni"));
    ui::installFontSubstitutions();

    Program program(services.services());
    ui::ProgramView view(program, &services.screen);
#ifdef VERTOLA_HAVE_FONTCONFIG
    fontconfig.join();
#endif
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
