#pragma once

#include <array>
#include <cstdint>

#include "arithmetic/random_source.h"
#include "shell/platform.h"
#include "shell/program.h"

namespace vertola::web {

// The time of day read once, moved on by the browser's high-resolution time, so that two
// re-seeds a few microseconds apart still differ.
class BrowserClock final : public Clock {
public:
    std::uint64_t timeOfDayNanos() override;

private:
    bool started_ = false;
    double originMs_ = 0;
    double originNowMs_ = 0;
    std::uint64_t last_ = 0;
};

// The page owns the real timers; the core's requests are recorded for it to follow.
class RecordedTimers final : public TimerService {
public:
    struct Record {
        bool everStarted = false;
        bool running = false;
        int intervalMs = 0;
        // Grows at every start, restarts included, so the page can tell a restart from no change.
        unsigned starts = 0;
    };

    void start(WindowId window, int intervalMs) override;
    void stop(WindowId window) override;
    const Record& record(WindowId window) const { return records_[indexOf(window)]; }

private:
    std::array<Record, kWindowCount> records_{};
};

// Beeps are counted during an event; the page plays that many tones.
class CountingBeeper final : public Beeper {
public:
    void beep() override { ++count; }
    unsigned count = 0;
};

// The viewport and the frame that the page draws around a client area.
class ViewportScreen final : public Screen {
public:
    SizeTwips screenSize() override { return screen; }
    SizeTwips frameExtra() override { return frame; }
    SizeTwips screen;
    SizeTwips frame;
};

}  // namespace vertola::web
