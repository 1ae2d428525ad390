#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vertola {

// The fifteen windows of the program; each exists at most once. The order is the rows' below.
enum class WindowId {
    frmuno,
    frm999inizio,
    frm9999inizio,
    frm9999scelta,
    frm999addizioni,
    frm999sottrazioni,
    frm999moltiplicazioni,
    frm999divisioni,
    frm9999addizioni,
    frm9999sottrazioni,
    frm9999moltiplicazioni,
    frm9999moltiplicazioni2,
    frm9999divisioni,
    frm999punteggio,
    frm9999punteggio,
};

// The number range of a branch of the menus: results within 999 or within 9,999.
enum class Level { L999, L9999 };

// What a window is: how it is made and, with its level, which table it is built from.
enum class Unit {
    MainMenu,
    LevelMenu,
    Chooser,
    Addition,
    Subtraction,
    Multiplication,   // one-digit multiplier
    Multiplication2,  // two-digit multiplier
    Division,
    Score,
};

// The menu button that opens a window.
struct Opener {
    WindowId menu;
    std::string_view button;
};

struct WindowRow {
    WindowId id;
    std::string_view name;
    Unit unit;
    std::optional<Level> level;  // none for the main menu, which leads to both
    // What the window's "&Punteggio" writes into its marker, by which a score window tells which
    // window asked; 0, the marker's resting value, for the windows that are no exercise.
    int scoreCode = 0;
    std::optional<Opener> opener;
};

// The windows, one row each: every list of windows, in the core, the faces, the tools and the
// tests, derives from these rows.
inline constexpr auto kWindows = std::to_array<WindowRow>({
    {WindowId::frmuno, "frmuno", Unit::MainMenu, std::nullopt, 0, std::nullopt},
    {WindowId::frm999inizio, "frm999inizio", Unit::LevelMenu, Level::L999, 0,
     Opener{WindowId::frmuno, "cmd999"}},
    {WindowId::frm9999inizio, "frm9999inizio", Unit::LevelMenu, Level::L9999, 0,
     Opener{WindowId::frmuno, "cmd9999"}},
    {WindowId::frm9999scelta, "frm9999scelta", Unit::Chooser, Level::L9999, 0,
     Opener{WindowId::frm9999inizio, "cmdmolt"}},
    {WindowId::frm999addizioni, "frm999addizioni", Unit::Addition, Level::L999, 1,
     Opener{WindowId::frm999inizio, "cmdadd"}},
    {WindowId::frm999sottrazioni, "frm999sottrazioni", Unit::Subtraction, Level::L999, 2,
     Opener{WindowId::frm999inizio, "cmdsott"}},
    {WindowId::frm999moltiplicazioni, "frm999moltiplicazioni", Unit::Multiplication, Level::L999, 3,
     Opener{WindowId::frm999inizio, "cmdmolt"}},
    {WindowId::frm999divisioni, "frm999divisioni", Unit::Division, Level::L999, 4,
     Opener{WindowId::frm999inizio, "cmddiv"}},
    {WindowId::frm9999addizioni, "frm9999addizioni", Unit::Addition, Level::L9999, 1,
     Opener{WindowId::frm9999inizio, "cmdadd"}},
    {WindowId::frm9999sottrazioni, "frm9999sottrazioni", Unit::Subtraction, Level::L9999, 2,
     Opener{WindowId::frm9999inizio, "cmdsott"}},
    {WindowId::frm9999moltiplicazioni, "frm9999moltiplicazioni", Unit::Multiplication, Level::L9999, 3,
     Opener{WindowId::frm9999scelta, "cmd1"}},
    {WindowId::frm9999moltiplicazioni2, "frm9999moltiplicazioni2", Unit::Multiplication2, Level::L9999, 5,
     Opener{WindowId::frm9999scelta, "cmd2"}},
    {WindowId::frm9999divisioni, "frm9999divisioni", Unit::Division, Level::L9999, 4,
     Opener{WindowId::frm9999inizio, "cmddiv"}},
    {WindowId::frm999punteggio, "frm999punteggio", Unit::Score, Level::L999, 0, std::nullopt},
    {WindowId::frm9999punteggio, "frm9999punteggio", Unit::Score, Level::L9999, 0, std::nullopt},
});

inline constexpr std::size_t kWindowCount = kWindows.size();

constexpr std::size_t indexOf(WindowId id) { return static_cast<std::size_t>(id); }

inline constexpr std::array<WindowId, kWindowCount> kAllWindows = [] {
    std::array<WindowId, kWindowCount> ids{};
    for (std::size_t i = 0; i < kWindowCount; ++i) ids[i] = kWindows[i].id;
    return ids;
}();

static_assert(
    [] {
        for (std::size_t i = 0; i < kWindowCount; ++i)
            if (indexOf(kWindows[i].id) != i) return false;
        return true;
    }(),
    "each window's row stands at its id");

constexpr const WindowRow& rowOf(WindowId id) { return kWindows[indexOf(id)]; }

std::string_view windowName(WindowId id);
std::optional<WindowId> windowByName(std::string_view name);

// The window of a unit at a level: a level's menu, its score window, its addition…; the main menu
// has no level.
std::optional<WindowId> windowOf(Unit unit, std::optional<Level> level = std::nullopt);
// The window a menu's button opens.
std::optional<WindowId> openedBy(WindowId menu, std::string_view button);
// Whether the window is one of the exercise windows, each with a score code of its own.
constexpr bool isExercise(WindowId id) { return rowOf(id).scoreCode != 0; }
// The exercise windows of a level, in the order a score window examines them.
std::vector<WindowId> exercisesOf(Level level);
// The order in which a level's markers are set back to "0": the subtraction window's first, then
// the addition window's, then the others' in the examining order. The level menus reset the first two.
std::vector<WindowId> markerResetOrder(Level level);

}  // namespace vertola
