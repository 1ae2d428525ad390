#include "shell/menus.h"

#include "shell/hidden_boxes.h"
#include "shell/program.h"

namespace vertola {

namespace {

class MainMenu final : public Window {
public:
    explicit MainMenu(WindowId id) : Window(id, mainMenuLayout()) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmdesci") {
            program.end();
        } else if (const std::optional<WindowId> menu = openedBy(id(), control)) {
            // The level menu is on screen before the main menu goes.
            program.open(*menu);
            program.close(id());
        }
    }
};

class LevelMenu final : public Window {
public:
    explicit LevelMenu(WindowId id)
        : Window(id, levelMenuLayout(*rowOf(id).level)), level_(*rowOf(id).level) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmdesci") {
            openAndLeave(program, *windowOf(Unit::MainMenu));
            return;
        }
        const std::optional<WindowId> window = openedBy(id(), control);
        if (!window) return;
        switch (rowOf(*window).unit) {
            case Unit::Chooser: program.open(*window); break;  // the menu stays open under the chooser
            case Unit::Addition:
            case Unit::Subtraction: openResettingMarkers(program, *window); break;
            default: openAndLeave(program, *window); break;
        }
    }

private:
    void openAndLeave(Program& program, WindowId window) {
        program.open(window);
        program.close(id());
    }

    // The subtraction window's marker first, then the addition window's; writing a marker loads
    // its window hidden when it is not loaded yet.
    void openResettingMarkers(Program& program, WindowId window) {
        program.open(window);
        for (const WindowId exercise : markerResetOrder(level_)) {
            const Unit unit = rowOf(exercise).unit;
            if (unit == Unit::Subtraction || unit == Unit::Addition)
                clearScoreRequest(program.loadHidden(exercise));
        }
        program.close(id());
    }

    Level level_;
};

class Chooser final : public Window {
public:
    explicit Chooser(WindowId id) : Window(id, chooserLayout()) {}

    // The choice closes the level menu that opened the chooser, which may be gone already: closing a
    // window that is not loaded does nothing.
    void clicked(Program& program, std::string_view control) override {
        const std::optional<WindowId> window = openedBy(id(), control);
        if (!window) return;
        program.open(*window);
        program.close(rowOf(id()).opener->menu);
        program.close(id());
    }
};

}  // namespace

std::unique_ptr<Window> createMainMenu(WindowId id) { return std::make_unique<MainMenu>(id); }
std::unique_ptr<Window> createLevelMenu(WindowId id) { return std::make_unique<LevelMenu>(id); }
std::unique_ptr<Window> createChooser(WindowId id) { return std::make_unique<Chooser>(id); }

}  // namespace vertola
