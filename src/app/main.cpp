#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <malloc.h>
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
#include "ui/picture_widget.h"
#include "ui/platform_choice.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"
#include "ui/twips.h"
#include "ui/warm_up.h"
#include "ui/x11_desktop.h"
#include "x11_probe.h"

using namespace vertola;

namespace {
// Past the main menu's first paint and the focus arriving.
constexpr int kStartFreedAfterMs = 250;
}  // namespace

int main(int, char* argv[]) {
    const ui::PlatformChoice choice = ui::choosePlatform(ui::currentDisplayEnvironment());
    if (!choice.displayAvailable || (choice.x11Only && !x11ServerAnswers())) {
        std::fputs("vertola: impossibile aprire lo schermo (nessun display disponibile)\n", stderr);
        return 1;
    }
    if (!choice.platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platform));
    const WindowLayout& first = layoutOf(WindowId::frmuno);
    ui::FirstLook firstLook(ui::toQString(first.name), QSize(ui::toPixels(first.clientWidth), ui::toPixels(first.clientHeight)));
    // The server Qt will talk to: the one DISPLAY names, with no other option given.
    const bool x11 = choice.x11Only && qgetenv("QT_QPA_PLATFORM") == "xcb";
    // On a core of its own while Qt starts, which then finds them done: the question whether the
    // drawings' copies fit this machine; on X11 the main menu's look, which the server then shows
    // from the map on; and reading fontconfig's configuration and caches, most of the first
    // caption's measuring.
    std::jthread early([&firstLook, x11] {
        // The look first, while Qt loads its plugins and has yet to talk to the X server.
        ui::prerenderedCopiesFit();
        if (x11) firstLook.upload();
#ifdef VERTOLA_HAVE_FONTCONFIG
        FcInit();
#endif
    });

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
    early.join();
    view.setFirstLook(&firstLook);
    services.timers.setTickHandler([&view](WindowId window) { view.tick(window); });
    QObject::connect(&view, &ui::ProgramView::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // What the other windows need on their first showing is made ready as the pupil starts, so
    // that a window opens within a frame of its click.
    ui::AtFirstInput warmUp([&view] {
        ui::warmUpText(ui::textSamples(), QGuiApplication::primaryScreen()->devicePixelRatio());
        view.buildAhead();
    });
    view.start();
    // What the start freed goes back to the system once the main menu is up, rather than stay
    // with the program while the pupil works.
    QTimer::singleShot(kStartFreedAfterMs, [&firstLook] {
        firstLook.release();
        malloc_trim(0);
    });
    return QApplication::exec();
}
