// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/stats/ArcSimulation.h"
#include "core/stats/WheelBias.h"

namespace {

using namespace orvanta;

std::vector<std::int8_t> FairSpins(std::size_t count) {
    std::mt19937 random(1);
    std::vector<std::int8_t> spins(count);
    for (std::int8_t& n : spins) {
        n = static_cast<std::int8_t>(random() % 37);
    }
    return spins;
}

// Every figure of the report but the arcs' simulated p-values. 1,000 spins is a
// live refresh of a short window after a click; 1,000,000 a whole long history.
void BM_ComputeWheelBias(benchmark::State& state) {
    const std::vector<std::int8_t> spins = FairSpins(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeWheelBias(spins));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ComputeWheelBias)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The arcs' correction as the view runs it: 10,000 fair histories of the same length.
void BM_SimulateArcSearch(benchmark::State& state) {
    const WheelBiasReport report = ComputeWheelBias(FairSpins(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SimulateArcSearch(report.spins, report.arcs, kArcSearchHistories));
    }
}
BENCHMARK(BM_SimulateArcSearch)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
