#include "program/windows.h"

#include "exercises/exercises.h"
#include "frame/exercise_window.h"
#include "score/score_window.h"
#include "shell/menus.h"

namespace vertola {

namespace {

ExerciseUnit exerciseUnit(Unit unit, Level level) {
    switch (unit) {
        case Unit::Addition: return additionUnit(level);
        case Unit::Subtraction: return subtractionUnit(level);
        case Unit::Multiplication: return multiplicationUnit(level);
        case Unit::Multiplication2: return multiplication2Unit();
        default: return divisionUnit(level);
    }
}

class Windows final : public WindowMaker {
public:
    std::unique_ptr<Window> create(WindowId id) const override {
        const WindowRow& row = rowOf(id);
        switch (row.unit) {
            case Unit::MainMenu: return createMainMenu(id);
            case Unit::LevelMenu: return createLevelMenu(id);
            case Unit::Chooser: return createChooser(id);
            case Unit::Score: return createScoreWindow(id);
            default: {
                const ExerciseUnit unit = exerciseUnit(row.unit, *row.level);
                return std::make_unique<ExerciseWindow>(id, unit.design, unit.layout);
            }
        }
    }
};

}  // namespace

const WindowLayout& layoutOf(WindowId id) {
    const WindowRow& row = rowOf(id);
    switch (row.unit) {
        case Unit::MainMenu: return mainMenuLayout();
        case Unit::LevelMenu: return levelMenuLayout(*row.level);
        case Unit::Chooser: return chooserLayout();
        case Unit::Score: return scoreLayout(*row.level);
        default: return exerciseUnit(row.unit, *row.level).layout;
    }
}

const WindowMaker& windowMaker() {
    static const Windows windows;
    return windows;
}

}  // namespace vertola
