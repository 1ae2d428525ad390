// Drives the program through a fixed session offscreen and saves each window as a PNG.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "frame/exercise_window.h"
#include "frame/operation.h"
#include "shell/program.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"
#include "ui/twips.h"

using namespace vertola;

namespace {

// A clock that always gives the same readings, so every run draws the same operations.
class SteppingClock final : public Clock {
public:
    std::uint64_t timeOfDayNanos() override { return ++now_; }

private:
    std::uint64_t now_ = 20240901;
};

// The messages stay on screen while they are photographed.
class StillTimers final : public TimerService {
public:
    void start(WindowId, int) override {}
    void stop(WindowId) override {}
};

class SilentBeeper final : public Beeper {
public:
    void beep() override {}
};

class Session {
public:
    Session(ui::ProgramView& view, Program& program, QDir out) : view_(view), program_(program), out_(out) {}

    bool save(WindowId window, const QString& suffix = {}) {
        QApplication::processEvents();
        ui::WindowWidget* widget = view_.widget(window);
        if (!widget) return fail(window, "is not loaded");
        const QString file = out_.filePath(ui::toQString(windowName(window)) + suffix + ".png");
        if (!widget->grab().save(file)) return fail(window, "could not be saved");
        std::printf("%s\n", qPrintable(file));
        return true;
    }

    void click(WindowId window, std::string_view control) { view_.click(window, control); }
    void type(WindowId window, std::string_view cell, std::string_view text) { view_.edit(window, cell, text); }

    // Writes the true result of an addition into the result row, one digit per cell from the units.
    void answer(WindowId window, bool right) {
        const auto* exercise = dynamic_cast<const ExerciseWindow*>(program_.window(window));
        if (!exercise) return;
        std::int64_t result = expectedResult(exercise->esercizio()) + (right ? 0 : 1);
        const auto cells = exercise->design().resultCells;
        std::string digits = std::to_string(result);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::size_t fromRight = cells.size() - 1 - i;
            const bool has = fromRight < digits.size();
            type(window, cells[i], has ? digits.substr(digits.size() - 1 - fromRight, 1) : "");
        }
        click(window, exercise->checkButton());
    }

    bool failed() const { return failed_; }

private:
    bool fail(WindowId window, const char* what) {
        std::fprintf(stderr, "vertola_screenshots: %s %s\n", std::string(windowName(window)).c_str(), what);
        failed_ = true;
        return false;
    }

    ui::ProgramView& view_;
    Program& program_;
    QDir out_;
    bool failed_ = false;
};

void exerciseWindows(Session& s, WindowId menu, std::initializer_list<std::pair<const char*, WindowId>> buttons) {
    for (auto [button, window] : buttons) {
        s.click(menu, button);
        s.save(window);
        s.click(window, "cmdfine");
    }
}

void run(Session& s) {
    using W = WindowId;
    s.save(W::frmuno);
    s.click(W::frmuno, "cmd999");
    s.save(W::frm999inizio);

    s.click(W::frm999inizio, "cmdadd");
    s.type(W::frm999addizioni, "txth1", "3");
    s.type(W::frm999addizioni, "txtda1", "1");
    s.type(W::frm999addizioni, "txtu1", "2");
    s.save(W::frm999addizioni);
    s.answer(W::frm999addizioni, false);
    s.save(W::frm999addizioni, "-wrong");
    for (int i = 0; i < 3; ++i) s.answer(W::frm999addizioni, true);
    s.save(W::frm999addizioni, "-right");
    s.click(W::frm999addizioni, "cmdpunteggio");
    s.save(W::frm999punteggio);
    s.click(W::frm999punteggio, "cmdcalcola");
    s.save(W::frm999punteggio, "-grade");
    s.click(W::frm999punteggio, "cmdok");

    exerciseWindows(s, W::frm999inizio, {{"cmdsott", W::frm999sottrazioni},
                                         {"cmdmolt", W::frm999moltiplicazioni},
                                         {"cmddiv", W::frm999divisioni}});
    s.click(W::frm999inizio, "cmdesci");

    s.click(W::frmuno, "cmd9999");
    s.save(W::frm9999inizio);
    s.click(W::frm9999inizio, "cmdadd");
    s.type(W::frm9999addizioni, "txtk1", "4");
    s.type(W::frm9999addizioni, "txth1", "0");
    s.type(W::frm9999addizioni, "txtda1", "5");
    s.type(W::frm9999addizioni, "txtu1", "7");
    s.save(W::frm9999addizioni);
    s.answer(W::frm9999addizioni, true);
    s.click(W::frm9999addizioni, "cmdpunteggio");
    s.click(W::frm9999punteggio, "cmdcalcola");
    s.save(W::frm9999punteggio, "-grade");
    s.click(W::frm9999punteggio, "cmdok");

    exerciseWindows(s, W::frm9999inizio, {{"cmdsott", W::frm9999sottrazioni}, {"cmddiv", W::frm9999divisioni}});
    for (auto [choice, window] : {std::pair{"cmd1", W::frm9999moltiplicazioni}, {"cmd2", W::frm9999moltiplicazioni2}}) {
        s.click(W::frm9999inizio, "cmdmolt");
        s.save(W::frm9999scelta);
        s.click(W::frm9999scelta, choice);
        s.save(window);
        s.click(window, "cmdfine");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vertola_screenshots <output directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "vertola_screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    ui::installFontSubstitutions();
    ui::installFixedLook();

    SteppingClock clock;
    Xoshiro random(1);
    StillTimers timers;
    SilentBeeper beeper;
    ui::QtScreen screen;
    Program program(Services{clock, random, timers, beeper, screen});
    ui::ProgramView view(program);
    view.start();
    Session session(view, program, out);
    run(session);
    return session.failed() ? 1 : 0;
}
