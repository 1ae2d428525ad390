#include <benchmark/benchmark.h>

#include <string>

#include "arithmetic/numeric_reading.h"

namespace {

// A long paste: digits with blanks between them, the slowest text to read since nothing stops it.
std::string longDigits(std::size_t bytes) {
    std::string text;
    text.reserve(bytes);
    for (std::size_t i = 0; text.size() < bytes; ++i) text.push_back(i % 4 == 3 ? ' ' : char('0' + i % 10));
    return text;
}

void readLongText(benchmark::State& state) {
    const std::string text = longDigits(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(vertola::readNumber(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(readLongText)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

void readCellAnswer(benchmark::State& state) {
    const std::string text = "0 4 5";
    for (auto _ : state) benchmark::DoNotOptimize(vertola::readNumber(text));
}
BENCHMARK(readCellAnswer);

}  // namespace
