#include "shell/window_id.h"

#include <array>

namespace vertola {

namespace {

constexpr std::array<std::string_view, kWindowCount> kNames{
    "frmuno",           "frm999inizio",       "frm9999inizio",          "frm9999scelta",
    "frm999addizioni",  "frm999sottrazioni",  "frm999moltiplicazioni",  "frm999divisioni",
    "frm9999addizioni", "frm9999sottrazioni", "frm9999moltiplicazioni", "frm9999moltiplicazioni2",
    "frm9999divisioni", "frm999punteggio",    "frm9999punteggio",
};

}  // namespace

std::string_view windowName(WindowId id) { return kNames[indexOf(id)]; }

std::optional<WindowId> windowByName(std::string_view name) {
    for (WindowId id : kAllWindows)
        if (windowName(id) == name) return id;
    return std::nullopt;
}

}  // namespace vertola
