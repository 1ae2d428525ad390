#pragma once

#include <QSize>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "arithmetic/random_source.h"
#include "shell/platform.h"
#include "shell/program.h"
#include "ui/placement.h"

namespace vertola::ui {

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

// The primary screen in twips, and the frame its desktop adds around a window, as the placement
// knows it.
class QtScreen final : public Screen {
public:
    explicit QtScreen(Placement& placement) : placement_(placement) {}

    SizeTwips screenSize() override;
    SizeTwips frameExtra() override;

private:
    Placement& placement_;
};

// Everything the program needs from the desktop, in one place for main() and the tools.
struct QtServices {
    QtClock clock;
    Xoshiro random;
    QtTimers timers;
    QtBeeper beeper;
    Placement placement;
    QtScreen screen{placement};

    Services services() { return {clock, random, timers, beeper, screen}; }
};

}  // namespace vertola::ui
