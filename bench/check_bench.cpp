#include <benchmark/benchmark.h>

#include <string>

#include "fakes.h"
#include "frame/exercise_window.h"
#include "frame/numeric_reading.h"

namespace {

using namespace vertola;

// Writes the expected result into the result cells, one digit a cell from the units up.
void writeRightAnswer(Program& program, WindowId id) {
    auto& window = static_cast<const ExerciseWindow&>(*program.window(id));
    const std::string digits = plainDecimal(static_cast<unsigned long long>(expectedResult(window.esercizio())));
    const auto cells = window.design().resultCells;
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
BENCHMARK(rightCheckWithNewDraw)
    ->Arg(static_cast<int>(WindowId::frm999addizioni))
    ->Arg(static_cast<int>(WindowId::frm9999moltiplicazioni2))
    ->Arg(static_cast<int>(WindowId::frm9999divisioni));

void wrongCheck(benchmark::State& state) {
    fakes::Harness h;
    h.program.start();
    h.program.open(WindowId::frm999addizioni);
    for (auto _ : state) {
        h.program.edit(WindowId::frm999addizioni, "txturis", "x");
        h.program.click(WindowId::frm999addizioni, "cmdconferma");
    }
}
BENCHMARK(wrongCheck);

}  // namespace
