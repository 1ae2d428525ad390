// Drives the program offscreen through every window, each reached as a pupil reaches it, through
// the menu button its row names, and saves each window as a PNG.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "fakes.h"
#include "frame/exercise_window.h"
#include "ui/fonts.h"
#include "ui/palette.h"
#include "ui/program_view.h"
#include "ui/twips.h"

using namespace vertola;

namespace {

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

    // Opens a window with the menu button its row names; a window behind the chooser is reached
    // through it, and the chooser is photographed on the way.
    void reach(WindowId window) {
        const Opener opener = *rowOf(window).opener;
        if (rowOf(opener.menu).unit == Unit::Chooser) {
            reach(opener.menu);
            save(opener.menu);
        }
        click(opener.menu, opener.button);
    }

    const ExerciseWindow& exercise(WindowId window) const {
        return dynamic_cast<const ExerciseWindow&>(*program_.window(window));
    }

    // Writes digits into cells, the last digit into the last cell.
    void write(WindowId window, const std::vector<std::string_view>& cells, const std::string& digits) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::size_t fromRight = cells.size() - 1 - i;
            const bool has = fromRight < digits.size();
            view_.edit(window, cells[i], has ? digits.substr(digits.size() - 1 - fromRight, 1) : "");
        }
    }

    // The true result, or one more, in the result row, then the check.
    void answer(WindowId window, bool right) {
        const ExerciseWindow& e = exercise(window);
        write(window, e.design().grid.resultCells(),
              std::to_string(expectedResult(e.esercizio()) + (right ? 0 : 1)));
        click(window, e.checkButton());
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

// The first exercise of a level as a pupil works it: the first number copied into its row, a wrong
// answer, then right ones, and the score asked and computed.
void workFirstExercise(Session& s, WindowId window) {
    const ExerciseWindow& e = s.exercise(window);
    const std::string caption = e.text("lbloper");
    const std::vector<std::string_view> operands = e.design().grid.emptiedAfterRight();
    const std::size_t columns = e.design().grid.resultCells().size();
    s.write(window, {operands.begin(), operands.begin() + static_cast<std::ptrdiff_t>(columns)},
            caption.substr(0, caption.find(' ')));
    s.save(window);
    s.answer(window, false);
    s.save(window, "-wrong");
    for (int i = 0; i < 3; ++i) s.answer(window, true);
    s.save(window, "-right");
    const WindowId score = *windowOf(Unit::Score, rowOf(window).level);
    s.click(window, "cmdpunteggio");
    s.save(score);
    s.click(score, "cmdcalcola");
    s.save(score, "-grade");
    s.click(score, "cmdok");
}

void run(Session& s) {
    const WindowId main = *windowOf(Unit::MainMenu);
    s.save(main);
    for (Level level : {Level::L999, Level::L9999}) {
        const WindowId menu = *windowOf(Unit::LevelMenu, level);
        s.reach(menu);
        s.save(menu);
        bool first = true;
        for (WindowId window : exercisesOf(level)) {
            s.reach(window);
            if (std::exchange(first, false))
                workFirstExercise(s, window);
            else
                s.save(window);
            s.click(window, "cmdfine");
        }
        s.click(menu, "cmdesci");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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

    // The fakes keep every message on screen while it is photographed, and draw the same
    // operations at every run.
    fakes::Harness h;
    ui::ProgramView view(h.program);
    view.start();
    Session session(view, h.program, out);
    run(session);
    return session.failed() ? 1 : 0;
}
