#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "exercises/exercises.h"
#include "fakes.h"
#include "frame/exercise_window.h"
#include "arithmetic/numeric_reading.h"
#include "shell/program.h"

// What must hold after every event of a random walk, whatever the pupil did. Each check returns
// the first rule it finds broken, or the empty text.
namespace vertola::walk {

// What the walk itself has seen of one exercise window since it was loaded, kept apart from the
// window so that the window's own bookkeeping can be compared with it.
struct Tracked {
    const Window* object = nullptr;  // a new object in the slot means a new load
    bool checked = false;
    std::uint64_t giuste = 0, sbagliate = 0;      // the counts now
    std::uint64_t shownG = 0, shownS = 0;         // the counts the last check published
    std::uint64_t lastCheckMs = 0;
    bool lastRight = false;
};
using TrackedWindows = std::array<Tracked, kWindowCount>;

inline const ExerciseWindow* asExercise(const Window* window) {
    return dynamic_cast<const ExerciseWindow*>(window);
}

inline bool isScoreWindow(WindowId id) { return rowOf(id).unit == Unit::Score; }

// The grade by exact arithmetic on the percentage's bands, 100 g / (g + s) >= bound.
inline std::string_view referenceGrade(std::uint64_t g, std::uint64_t s) {
    __extension__ typedef unsigned __int128 Wide;
    if (g == 0 && s == 0) return "";
    if (s == 0) return "Super!!!!";
    const Wide hundredG = Wide{g} * 100;
    const Wide total = Wide{g} + s;
    if (hundredG >= total * 90) return "Sei stato bravissimo!!!";
    if (hundredG >= total * 75) return "Bravo!!";
    if (hundredG >= total * 60) return "Abbastanza bene, ma puoi fare di meglio.";
    return "Non ci siamo. Esercitati di più";
}

inline std::string named(WindowId id, std::string_view what) {
    return std::string(windowName(id)) + ": " + std::string(what);
}

inline std::string checkExercise(const ExerciseWindow& w, const Tracked& t, const fakes::FakeTimers& timers) {
    const ExerciseSpec& design = w.design();
    const WindowId id = w.id();
    if (!admissible(design.rule, w.esercizio())) return named(id, "holds an operation its rule cannot draw");
    if (w.text("lbloper") != caption(w.esercizio()))
        return named(id, "lbloper \"" + w.text("lbloper") + "\" is not " + caption(w.esercizio()));
    if (w.giuste() != t.giuste || w.sbagliate() != t.sbagliate)
        return named(id, "counts " + plainDecimal(w.giuste()) + "/" + plainDecimal(w.sbagliate()) + ", the walk saw " +
                             plainDecimal(t.giuste) + "/" + plainDecimal(t.sbagliate));
    const std::string g = t.checked ? plainDecimal(t.shownG) : "";
    const std::string s = t.checked ? plainDecimal(t.shownS) : "";
    const std::string total = t.checked ? plainDecimal(t.shownG + t.shownS) : "";
    if (w.text("txtrisg") != g || w.text("txtriss") != s || w.text("txttot") != total)
        return named(id, "counter boxes \"" + w.text("txtrisg") + "\" \"" + w.text("txtriss") + "\" \"" +
                             w.text("txttot") + "\", expected \"" + g + "\" \"" + s + "\" \"" + total + "\"");
    const std::string& marker = w.text("txtc");
    if (marker != "0" && marker != plainDecimal(static_cast<unsigned long long>(rowOf(id).scoreCode)))
        return named(id, "marker txtc holds \"" + marker + "\"");
    if (timers.isRunning(id) != t.checked || w.timerEnabled() != t.checked)
        return named(id, t.checked ? "timer not running after a check" : "timer running before any check");
    const std::string& message = w.text("lblmessaggio");
    const std::string_view verdict = t.lastRight ? kRightMessage : kWrongMessage;
    if (!message.empty() && (!t.checked || message != verdict))
        return named(id, "message \"" + message + "\" after the walk's last verdict");
    if (!message.empty() && timers.nowMs - t.lastCheckMs >= kFeedbackIntervalMs)
        return named(id, "message still shown " + std::to_string(timers.nowMs - t.lastCheckMs) + " ms after its check");
    const Rgb expectedColour = t.checked && !t.lastRight ? kRed : kBlue;
    if (w.foreColor("lblmessaggio") != expectedColour) return named(id, "message colour does not follow the verdict");
    return {};
}

// The score window shows either only its button or only the result; never a mixture.
inline std::string checkScoreWindow(const Window& w) {
    const bool before = w.visible("cmdcalcola");
    for (std::string_view control : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok"})
        if (w.visible(control) == before) return named(w.id(), std::string(control) + " visible with cmdcalcola");
    return {};
}

inline std::string checkProgram(const Program& program, const fakes::FakeTimers& timers,
                                const fakes::FakeScreen& screen, const TrackedWindows& tracked) {
    bool anyShown = false;
    for (WindowId id : kAllWindows) {
        const Window* w = program.window(id);
        const WindowState state = program.state(id);
        if ((state == WindowState::NotLoaded) != (w == nullptr)) return named(id, "state disagrees with its object");
        if (state == WindowState::Shown) anyShown = true;
        if (!w) continue;
        if (program.ended()) return named(id, "still loaded after the program ended");
        if (w->id() != id || w->layout().name != windowName(id)) return named(id, "slot holds another window");
        if (!w->focus().empty() && !w->has(w->focus()))
            return named(id, "focus on unknown control " + std::string(w->focus()));
        const float left =
            static_cast<float>(screen.screen.width - (w->layout().clientWidth + screen.frame.width)) / 2.0f;
        const float top =
            static_cast<float>(screen.screen.height - (w->layout().clientHeight + screen.frame.height)) / 2.0f;
        if (w->position().left != left || w->position().top != top) return named(id, "not centred");
        std::string fault;
        if (const ExerciseWindow* exercise = asExercise(w)) fault = checkExercise(*exercise, tracked[indexOf(id)], timers);
        else if (isScoreWindow(id)) fault = checkScoreWindow(*w);
        if (!fault.empty()) return fault;
    }
    if (program.ended() == anyShown) return program.ended() ? "a window is shown after the end" : "nothing shown, not ended";
    for (const auto& [id, running] : timers.running)
        if (!asExercise(program.window(id))) return named(id, "timer runs for a window that is not a loaded exercise");
    return {};
}

}  // namespace vertola::walk
