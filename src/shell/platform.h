#pragma once

#include <cstdint>

#include "shell/registry.h"

namespace vertola {

// What the program needs from the desktop. The Qt layer implements these; tests use fakes.

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day in nanoseconds; only its fine resolution matters, for re-seeding.
    virtual std::uint64_t timeOfDayNanos() = 0;
};

class TimerService {
public:
    virtual ~TimerService() = default;
    // Starts, or restarts from zero, the repeating timer of a window; its ticks reach Program::tick.
    virtual void start(WindowId window, int intervalMs) = 0;
    virtual void stop(WindowId window) = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

struct SizeTwips {
    int width = 0;
    int height = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The whole screen, task bars included.
    virtual SizeTwips screenSize() = 0;
    // What a window's frame and caption bar add to its client area.
    virtual SizeTwips frameExtra() = 0;
};

}  // namespace vertola
