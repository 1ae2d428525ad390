#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "arithmetic/random_source.h"
#include "program/windows.h"
#include "shell/platform.h"

namespace vertola::fakes {

// A clock that moves only when told; each reading advances a nanosecond, as a real clock would
// between two calls, unless frozen.
class FakeClock final : public Clock {
public:
    std::uint64_t now = 1'000'000'000;
    bool frozen = false;
    std::uint64_t timeOfDayNanos() override { return frozen ? now : now++; }
};

// Timers that tick only when the test advances their time.
class FakeTimers final : public TimerService {
public:
    struct Running {
        int intervalMs;
        std::uint64_t dueMs;
    };
    std::uint64_t nowMs = 0;
    std::map<WindowId, Running> running;
    int starts = 0;

    void start(WindowId window, int intervalMs) override {
        running[window] = {intervalMs, nowMs + static_cast<std::uint64_t>(intervalMs)};
        ++starts;
    }
    void stop(WindowId window) override { running.erase(window); }
    bool isRunning(WindowId window) const { return running.count(window) != 0; }

    // Moves time on, delivering every tick that falls due to the program, in time order.
    void advance(Program& program, std::uint64_t ms) {
        const std::uint64_t target = nowMs + ms;
        for (;;) {
            auto next = std::min_element(running.begin(), running.end(), [](const auto& a, const auto& b) {
                return a.second.dueMs < b.second.dueMs;
            });
            if (next == running.end() || next->second.dueMs > target) break;
            const WindowId window = next->first;
            nowMs = next->second.dueMs;
            next->second.dueMs += static_cast<std::uint64_t>(next->second.intervalMs);
            program.tick(window);
        }
        nowMs = target;
    }
};

class FakeBeeper final : public Beeper {
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

class FakeScreen final : public Screen {
public:
    SizeTwips screen{1920 * 15, 1080 * 15};
    SizeTwips frame{0, 0};
    SizeTwips screenSize() override { return screen; }
    SizeTwips frameExtra() override { return frame; }
};

// Replays given values, then falls back to a seeded generator; re-seeding does not disturb the
// queue, so a test can force an exact draw across a check.
class ScriptedRandom final : public RandomSource {
public:
    std::vector<double> queue;
    Xoshiro fallback{42};
    void reseed(std::uint64_t seed) override { fallback.reseed(seed); }
    double next() override {
        if (queue.empty()) return fallback.next();
        const double value = queue.front();
        queue.erase(queue.begin());
        return value;
    }
    // Queues the values that draw exactly these whole numbers over these ranges.
    void push(std::initializer_list<std::pair<int, int>> valuesOverN) {
        for (auto [value, n] : valuesOverN) queue.push_back((value + 0.5) / n);
    }
};

// A program wired to fakes, as every core test wants it.
struct Harness {
    FakeClock clock;
    ScriptedRandom random;
    FakeTimers timers;
    FakeBeeper beeper;
    FakeScreen screen;
    Program program{Services{clock, random, timers, beeper, screen}, windowMaker()};
};

// Presses the menu buttons that open the window, as the rows name them, from the nearest window
// on the way that is shown: from the main menu, the level button and then the operation's. False
// when a press is ignored or no shown window leads there.
inline bool pressOpeners(Program& program, WindowId window) {
    if (program.state(window) == WindowState::Shown) return true;
    const std::optional<Opener>& opener = rowOf(window).opener;
    return opener && pressOpeners(program, opener->menu) && program.click(opener->menu, opener->button);
}

}  // namespace vertola::fakes

namespace vertola {

// A level as a failed test names its parameter.
inline void PrintTo(Level level, std::ostream* os) { *os << (level == Level::L999 ? "999" : "9999"); }

}  // namespace vertola
