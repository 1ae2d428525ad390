#pragma once

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fakes.h"
#include "frame/exercise_window.h"
#include "program/windows.h"

// What the core tests do to the program again and again: reach a window, type into cells, read
// what a window shows.
namespace vertola::steps {

// A random source that records what the program asks of it: "S" for a re-seed, "n" for a value.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(RandomSource& inner) : inner_(inner) {}
    void reseed(std::uint64_t seed) override {
        seeds.push_back(seed);
        trace += 'S';
        inner_.reseed(seed);
    }
    double next() override {
        ++values;
        trace += 'n';
        return inner_.next();
    }
    std::vector<std::uint64_t> seeds;
    std::uint64_t values = 0;
    std::string trace;

private:
    RandomSource& inner_;
};

// The fakes' harness with the random source counted; the scripted source underneath still
// takes forced draws.
struct CountingHarness {
    explicit CountingHarness(std::uint64_t seed = 42) { scripted.fallback = Xoshiro(seed); }
    fakes::FakeClock clock;
    fakes::ScriptedRandom scripted;
    CountingRandom random{scripted};
    fakes::FakeTimers timers;
    fakes::FakeBeeper beeper;
    fakes::FakeScreen screen;
    Program program{Services{clock, random, timers, beeper, screen}, windowMaker()};
};

// The two addition windows and what tells them apart.
struct AdditionLevel {
    std::string_view name;
    Level level;
    std::vector<std::string_view> resultCells;  // highest column first
    std::vector<std::string_view> operandCells;
    std::string_view firstCell;
    int n;      // each addend over n values
    int limit;  // every sum is below it
    // The windows of the level, as their rows name them.
    WindowId window = *windowOf(Unit::Addition, level);
    WindowId menu = *windowOf(Unit::LevelMenu, level);
    WindowId score = *windowOf(Unit::Score, level);
    WindowId subtraction = *windowOf(Unit::Subtraction, level);
};

inline void PrintTo(const AdditionLevel& level, std::ostream* os) { *os << level.name; }

inline const AdditionLevel kAddition999{
    .name = "Level999",
    .level = Level::L999,
    .resultCells = {"txthris", "txtdaris", "txturis"},
    .operandCells = {"txth1", "txtda1", "txtu1", "txth2", "txtda2", "txtu2", "txth3", "txtda3", "txtu3"},
    .firstCell = "txth1",
    .n = 999,
    .limit = 1000,
};

inline const AdditionLevel kAddition9999{
    .name = "Level9999",
    .level = Level::L9999,
    .resultCells = {"txtkris", "txthris", "txtdaris", "txturis"},
    .operandCells = {"txtk1", "txth1", "txtda1", "txtu1", "txtk2", "txth2", "txtda2", "txtu2", "txtk3",
                     "txth3", "txtda3", "txtu3"},
    .firstCell = "txtk1",
    .n = 9999,
    .limit = 10000,
};

inline const Window& win(const Program& program, WindowId id) {
    const Window* window = program.window(id);
    if (!window) throw std::runtime_error("window not loaded: " + std::string(windowName(id)));
    return *window;
}

inline Window& win(Program& program, WindowId id) {
    return const_cast<Window&>(win(static_cast<const Program&>(program), id));
}

inline ExerciseWindow& exercise(Program& program, WindowId id) {
    auto* window = dynamic_cast<ExerciseWindow*>(&win(program, id));
    if (!window) throw std::runtime_error("not an exercise window: " + std::string(windowName(id)));
    return *window;
}

inline std::string text(const Program& program, WindowId id, std::string_view control) {
    return win(program, id).text(control);
}

// From the start of the program to the addition window of the level, through the menus.
inline void openAddition(Program& program, const AdditionLevel& level) {
    program.start();
    fakes::pressOpeners(program, level.window);
}

// Types one text per result cell, highest column first, as the pupil would.
inline void typeResult(Program& program, const AdditionLevel& level, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < level.resultCells.size() && i < texts.size(); ++i)
        program.edit(level.window, level.resultCells[i], texts[i]);
}

// Types a number one digit per cell, flush with the units; the higher cells stay empty.
inline void typeNumber(Program& program, const AdditionLevel& level, long long value) {
    const std::string digits = std::to_string(value);
    const std::size_t cells = level.resultCells.size();
    std::vector<std::string> texts(cells);
    if (digits.size() > cells) {
        texts[0] = digits;  // a number longer than the row goes whole into the highest cell
    } else {
        for (std::size_t i = 0; i < digits.size(); ++i)
            texts[cells - 1 - i] = std::string(1, digits[digits.size() - 1 - i]);
    }
    typeResult(program, level, texts);
}

inline void fillOperands(Program& program, const AdditionLevel& level, std::string_view content) {
    for (std::string_view cell : level.operandCells) program.edit(level.window, cell, content);
}

// The addends shown in lbloper, read back from "a + b + c".
inline std::vector<long long> shownAddends(const Program& program, const AdditionLevel& level) {
    const std::string caption = text(program, level.window, "lbloper");
    std::vector<long long> addends;
    std::size_t start = 0;
    for (;;) {
        const std::size_t plus = caption.find(" + ", start);
        addends.push_back(std::stoll(caption.substr(start, plus - start)));
        if (plus == std::string::npos) break;
        start = plus + 3;
    }
    return addends;
}

inline long long shownSum(const Program& program, const AdditionLevel& level) {
    long long sum = 0;
    for (long long addend : shownAddends(program, level)) sum += addend;
    return sum;
}

inline void answerRight(Program& program, const AdditionLevel& level) {
    typeNumber(program, level, shownSum(program, level));
    program.click(level.window, "cmdconferma");
}

inline void answerWrong(Program& program, const AdditionLevel& level) {
    typeNumber(program, level, shownSum(program, level) + 1);
    program.click(level.window, "cmdconferma");
}

}  // namespace vertola::steps
