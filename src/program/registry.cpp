#include "exercises/exercises.h"
#include "frame/exercise_window.h"
#include "score/score_window.h"
#include "shell/menus.h"
#include "shell/program.h"

namespace vertola {

const WindowLayout& layoutOf(WindowId id) {
    switch (id) {
        case WindowId::frmuno: return mainMenuLayout();
        case WindowId::frm999inizio: return levelMenuLayout(Level::L999);
        case WindowId::frm9999inizio: return levelMenuLayout(Level::L9999);
        case WindowId::frm9999scelta: return chooserLayout();
        case WindowId::frm999punteggio: return scoreLayout(Level::L999);
        case WindowId::frm9999punteggio: return scoreLayout(Level::L9999);
        default: return exerciseUnit(id)->layout;
    }
}

std::unique_ptr<Window> createWindow(WindowId id) {
    switch (id) {
        case WindowId::frmuno: return createMainMenu();
        case WindowId::frm999inizio: return createLevelMenu(Level::L999);
        case WindowId::frm9999inizio: return createLevelMenu(Level::L9999);
        case WindowId::frm9999scelta: return createChooser();
        case WindowId::frm999punteggio: return createScoreWindow(Level::L999);
        case WindowId::frm9999punteggio: return createScoreWindow(Level::L9999);
        default: {
            const ExerciseUnit unit = *exerciseUnit(id);
            return std::make_unique<ExerciseWindow>(unit.design, unit.layout);
        }
    }
}

}  // namespace vertola
