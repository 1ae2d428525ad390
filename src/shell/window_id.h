#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vertola {

// The fifteen windows of the program; each exists at most once.
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

inline constexpr std::size_t kWindowCount = 15;

inline constexpr std::array<WindowId, kWindowCount> kAllWindows{
    WindowId::frmuno,
    WindowId::frm999inizio,
    WindowId::frm9999inizio,
    WindowId::frm9999scelta,
    WindowId::frm999addizioni,
    WindowId::frm999sottrazioni,
    WindowId::frm999moltiplicazioni,
    WindowId::frm999divisioni,
    WindowId::frm9999addizioni,
    WindowId::frm9999sottrazioni,
    WindowId::frm9999moltiplicazioni,
    WindowId::frm9999moltiplicazioni2,
    WindowId::frm9999divisioni,
    WindowId::frm999punteggio,
    WindowId::frm9999punteggio,
};

// The number range of a branch of the menus: results within 999 or within 9,999.
enum class Level { L999, L9999 };

constexpr std::size_t indexOf(WindowId id) { return static_cast<std::size_t>(id); }

std::string_view windowName(WindowId id);
std::optional<WindowId> windowByName(std::string_view name);

}  // namespace vertola
