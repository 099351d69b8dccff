// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <string>

#include "core/calc/Calculator.h"

namespace {

using namespace orvanta;

// The loop of the speed budget: 100,000 passes, each one assignment with two
// variable lookups, two operators and one store, plus the output text.
void BM_LoopOf100000Passes(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Calculator calculator;
        calculator.InitCalculator();
        calculator.ExecuteStatement("s = 0");
        state.ResumeTiming();
        const std::string output = calculator.ExecuteStatement("for i = 1 to 100000 : s = s + i*i");
        benchmark::DoNotOptimize(output.data());
    }
}
BENCHMARK(BM_LoopOf100000Passes)->Unit(benchmark::kMillisecond);

// One typed line from text to result, as the Evaluate button runs it.
void BM_SingleStatement(benchmark::State& state, const char* line) {
    Calculator calculator;
    calculator.InitCalculator();
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.ExecuteStatement(line));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_SingleStatement, Assignment, "x1 = 2*sin(0.5)");
BENCHMARK_CAPTURE(BM_SingleStatement, Arithmetic, "1+2^3*4-(5/7)");
BENCHMARK_CAPTURE(BM_SingleStatement, GuardedFunction, "acosh(2) + asech(0.5)");

// A refused loop costs the counting of its passes only.
void BM_RefusedLoop(benchmark::State& state) {
    Calculator calculator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.ExecuteStatement("for i = 1 to 2000000 : i"));
    }
}
BENCHMARK(BM_RefusedLoop)->Unit(benchmark::kMillisecond);

}  // namespace
