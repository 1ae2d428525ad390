#include <benchmark/benchmark.h>

#include <string>

#include "arithmetic/numeric_reading.h"
#include "fakes.h"
#include "frame/exercise_window.h"

namespace {

using namespace vertola;

// Writes the expected result into the result cells, one digit a cell from the units up.
void writeRightAnswer(Program& program, WindowId id) {
    auto& window = static_cast<const ExerciseWindow&>(*program.window(id));
    const std::string digits =
        plainDecimal(static_cast<unsigned long long>(expectedResult(window.esercizio())));
    const auto cells = window.design().grid.resultCells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::size_t fromRight = cells.size() - 1 - i;
        const std::string digit =
            fromRight < digits.size() ? std::string(1, digits[digits.size() - 1 - fromRight]) : std::string();
        program.edit(id, cells[i], digit);
    }
}

// A right answer: the judging, the message, the counters and a new draw.
void rightCheckWithNewDraw(benchmark::State& state) {
    const auto id = static_cast<WindowId>(state.range(0));
    fakes::Harness h;
    h.program.start();
    h.program.open(id);
    const std::string check(static_cast<const ExerciseWindow&>(*h.program.window(id)).checkButton());
    for (auto _ : state) {
        writeRightAnswer(h.program, id);
        h.program.click(id, check);
    }
}
// Every exercise window, as the rows list them.
BENCHMARK(rightCheckWithNewDraw)->Apply([](benchmark::internal::Benchmark* b) {
    for (WindowId id : kAllWindows)
        if (isExercise(id)) b->Arg(static_cast<int>(id));
});

void wrongCheck(benchmark::State& state) {
    fakes::Harness h;
    const WindowId id = *windowOf(Unit::Addition, Level::L999);
    h.program.start();
    h.program.open(id);
    const std::string check(layoutOf(id).checkButton);
    for (auto _ : state) {
        h.program.edit(id, "txturis", "x");
        h.program.click(id, check);
    }
}
BENCHMARK(wrongCheck);

}  // namespace
