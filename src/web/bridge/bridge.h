#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "frame/random_source.h"
#include "shell/program.h"
#include "web/bridge/web_services.h"

namespace vertola::web {

// The program as the page sees it: events by window and control name in, the state of every
// loaded window out, as JSON. Names that the program does not know are ignored.
class Bridge {
public:
    Bridge();
    ~Bridge();

    // The fifteen windows' tables, as the core holds them.
    static std::string layouts();

    // Starts the program, afresh if it ran before. Sizes are in twips.
    std::string start(SizeTwips screen, SizeTwips frame);
    void setScreen(SizeTwips screen, SizeTwips frame);
    std::string click(std::string_view window, std::string_view control);
    std::string edit(std::string_view window, std::string_view control, std::string_view text);
    std::string escape(std::string_view window);
    std::string closeBox(std::string_view window);
    std::string tick(std::string_view window);
    std::string focusIn(std::string_view window, std::string_view control);
    // The state without an event: no beeps.
    std::string state() const;

private:
    template <typename Event>
    std::string run(std::string_view window, Event event);
    std::string stateWithBeeps(unsigned beeps) const;

    BrowserClock clock_;
    Xoshiro random_;
    RecordedTimers timers_;
    CountingBeeper beeper_;
    ViewportScreen screen_;
    std::unique_ptr<Program> program_;
};

}  // namespace vertola::web
