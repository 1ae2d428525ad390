#pragma once

#include <QSize>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "arithmetic/random_source.h"
#include "shell/platform.h"
#include "shell/program.h"

namespace vertola::ui {

class FrameQuestion;

class QtClock final : public Clock {
public:
    std::uint64_t timeOfDayNanos() override;
};

// One repeating QTimer per window; each timeout goes to the tick handler.
class QtTimers final : public TimerService {
public:
    using TickHandler = std::function<void(WindowId)>;

    QtTimers();
    ~QtTimers() override;
    void setTickHandler(TickHandler handler) { onTick_ = std::move(handler); }

    void start(WindowId window, int intervalMs) override;
    void stop(WindowId window) override;
    const QTimer& timer(WindowId window) const { return *timers_[indexOf(window)]; }

private:
    std::array<std::unique_ptr<QTimer>, kWindowCount> timers_;
    TickHandler onTick_;
};

class QtBeeper final : public Beeper {
public:
    void beep() override;
};

// The primary screen in twips. The frame is what the window manager said it would add, where it
// offers to say, asked before the first window is placed; then what it was last seen adding to a
// shown window. Until then it is not known, and counts as none.
class QtScreen final : public Screen {
public:
    QtScreen();
    ~QtScreen() override;

    SizeTwips screenSize() override;
    SizeTwips frameExtra() override;
    bool frameKnown() const { return frameKnown_; }
    void noteFrame(QSize extraPixels) {
        frame_ = extraPixels;
        frameKnown_ = true;
    }

private:
    std::unique_ptr<FrameQuestion> question_;
    QSize frame_{0, 0};
    bool frameKnown_ = false;
};

// Everything the program needs from the desktop, in one place for main() and the tools.
struct QtServices {
    QtClock clock;
    Xoshiro random;
    QtTimers timers;
    QtBeeper beeper;
    QtScreen screen;

    Services services() { return {clock, random, timers, beeper, screen}; }
};

}  // namespace vertola::ui
