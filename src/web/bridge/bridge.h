#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arithmetic/random_source.h"
#include "program/windows.h"
#include "web/bridge/web_services.h"

namespace vertola::web {

class JsonWriter;

// The program as the page sees it: events by window and control name in, the state of every
// loaded window out, as JSON. Names that the program does not know are ignored.
//
// An event's answer carries only what changed since the page was last told: every loaded window
// by name, and of each only the values that differ from what the page holds. A text the page
// sent with an edit is what the page holds, so it never comes back: the cell keeps exactly what
// the pupil typed, and a long text costs the answer nothing.
class Bridge {
public:
    Bridge();
    ~Bridge();

    // The fifteen windows' tables, as the core holds them.
    static std::string layouts();
    // The core's measures that the page draws by: twips per pixel.
    static std::string units();
    // Where the core puts a window on the screen, frame included; null for a name it does not know.
    static std::string centred(std::string_view window, SizeTwips screen, SizeTwips frame);

    // Starts the program, afresh if it ran before, and gives its whole state. Sizes are in twips.
    std::string start(SizeTwips screen, SizeTwips frame);
    void setScreen(SizeTwips screen, SizeTwips frame);
    std::string click(std::string_view window, std::string_view control);
    std::string edit(std::string_view window, std::string_view control, std::string_view text);
    std::string escape(std::string_view window);
    std::string closeBox(std::string_view window);
    std::string tick(std::string_view window);
    std::string focusIn(std::string_view window, std::string_view control);
    // The page could not show or hand over a cell's text: the core's text comes in the answer.
    std::string resend(std::string_view window, std::string_view control);
    // The whole state without an event, as if the page held nothing: no beeps.
    std::string state();

private:
    // What the page was last told of one control, and of one window.
    struct ToldControl {
        std::uint64_t textStamp = 0;
        std::optional<Rgb> fore;
        bool visible = false;
    };
    struct ToldWindow {
        bool listed = false;
        WindowState state = WindowState::NotLoaded;
        PositionTwips position;
        unsigned raises = 0;
        std::string focus;
        unsigned focusRequests = 0;
        std::vector<ToldControl> controls;
    };

    template <typename Event>
    std::string run(std::string_view window, Event event);
    std::string answer(unsigned beeps);
    void writeWindow(JsonWriter& json, WindowId id);

    BrowserClock clock_;
    Xoshiro random_;
    RecordedTimers timers_;
    CountingBeeper beeper_;
    ViewportScreen screen_;
    std::unique_ptr<Program> program_;
    std::array<ToldWindow, kWindowCount> told_;
};

}  // namespace vertola::web
