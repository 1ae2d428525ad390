#include "shell/menus.h"

#include "shell/program.h"

namespace vertola {

namespace {

class MainMenu final : public Window {
public:
    MainMenu() : Window(WindowId::frmuno, mainMenuLayout()) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmd999") pickLevel(program, WindowId::frm999inizio);
        else if (control == "cmd9999") pickLevel(program, WindowId::frm9999inizio);
        else if (control == "cmdesci") program.end();
    }

private:
    // The level menu is on screen before the main menu goes.
    static void pickLevel(Program& program, WindowId menu) {
        program.open(menu);
        program.close(WindowId::frmuno);
    }
};

struct LevelWindows {
    WindowId menu, addition, subtraction, multiplication, division;
};

constexpr LevelWindows kLevel999{WindowId::frm999inizio, WindowId::frm999addizioni,
                                 WindowId::frm999sottrazioni, WindowId::frm999moltiplicazioni,
                                 WindowId::frm999divisioni};
constexpr LevelWindows kLevel9999{WindowId::frm9999inizio, WindowId::frm9999addizioni,
                                  WindowId::frm9999sottrazioni, WindowId::frm9999scelta,
                                  WindowId::frm9999divisioni};

class LevelMenu final : public Window {
public:
    explicit LevelMenu(Level level)
        : Window(level == Level::L999 ? WindowId::frm999inizio : WindowId::frm9999inizio,
                 levelMenuLayout(level)),
          windows_(level == Level::L999 ? kLevel999 : kLevel9999) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmdadd") openResettingMarkers(program, windows_.addition);
        else if (control == "cmdsott") openResettingMarkers(program, windows_.subtraction);
        else if (control == "cmdmolt" && windows_.multiplication == WindowId::frm9999scelta)
            program.open(WindowId::frm9999scelta);  // the menu stays open under the chooser
        else if (control == "cmdmolt") openAndLeave(program, windows_.multiplication);
        else if (control == "cmddiv") openAndLeave(program, windows_.division);
        else if (control == "cmdesci") openAndLeave(program, WindowId::frmuno);
    }

private:
    void openAndLeave(Program& program, WindowId window) {
        program.open(window);
        program.close(id());
    }

    // Writing a marker loads its window hidden when it is not loaded yet.
    void openResettingMarkers(Program& program, WindowId window) {
        program.open(window);
        program.loadHidden(windows_.subtraction).setText("txtc", "0");
        program.loadHidden(windows_.addition).setText("txtc", "0");
        program.close(id());
    }

    LevelWindows windows_;
};

class Chooser final : public Window {
public:
    Chooser() : Window(WindowId::frm9999scelta, chooserLayout()) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmd1") choose(program, WindowId::frm9999moltiplicazioni);
        else if (control == "cmd2") choose(program, WindowId::frm9999moltiplicazioni2);
    }

private:
    // Closing a level menu that is no longer loaded does nothing.
    void choose(Program& program, WindowId window) {
        program.open(window);
        program.close(WindowId::frm9999inizio);
        program.close(id());
    }
};

}  // namespace

std::unique_ptr<Window> createMainMenu() { return std::make_unique<MainMenu>(); }
std::unique_ptr<Window> createLevelMenu(Level level) { return std::make_unique<LevelMenu>(level); }
std::unique_ptr<Window> createChooser() { return std::make_unique<Chooser>(); }

}  // namespace vertola
