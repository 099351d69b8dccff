// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/stats/DetectionPower.h"
#include "core/stats/Evidence.h"
#include "core/stats/EvidenceSimulation.h"
#include "core/stats/EvidenceTracker.h"
#include "core/stats/VerdictSimulation.h"
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

// Every figure of the report but the verdict's simulations. 1,000 spins is a
// live refresh of a short window after a click; 1,000,000 a whole long history.
void BM_ComputeWheelBias(benchmark::State& state) {
    const std::vector<std::int8_t> spins = FairSpins(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeWheelBias(spins));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ComputeWheelBias)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The live evidence of a whole history studied at once, as after a load or a correction.
void BM_ComputeEvidence(benchmark::State& state) {
    const std::vector<std::int8_t> spins = FairSpins(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeEvidence(spins));
    }
}
BENCHMARK(BM_ComputeEvidence)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// One spin into the live evidence, as a click brings it.
void BM_EvidenceAddSpin(benchmark::State& state) {
    const std::vector<std::int8_t> spins = FairSpins(1 << 16);
    EvidenceTracker evidence;
    std::size_t i = 0;
    for (auto _ : state) {
        evidence.Add(spins[i++ % spins.size()]);
    }
    benchmark::DoNotOptimize(evidence.eValue());
}
BENCHMARK(BM_EvidenceAddSpin)->Unit(benchmark::kNanosecond);

// The verdict as the view runs it in the background: 10,000 fair histories of the
// same length, then the search for what these spins can find.
void BM_FindVerdict(benchmark::State& state) {
    const WheelBiasReport report = ComputeWheelBias(FairSpins(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindVerdict(report));
    }
}
BENCHMARK(BM_FindVerdict)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// What the window says the live evidence finds within 100,000 spins, and the spins it
// says a number coming once in 30 needs, checked against fresh simulations of the
// evidence looked at after every spin: too slow for the tests. The counters `power`
// and `power_once_in_30` should be 0.80 within about 0.06 (three standard errors of
// 400 histories and of the table's own).
void BM_EvidenceTableAt100000Spins(benchmark::State& state) {
    constexpr std::int64_t kSpins = 100'000;
    const double hit = SmallestDetectableByEvidence(kSpins).value_or(1.0);
    const std::int64_t onceIn30 = SpinsForEvidence(kAdvantagesOfInterest[2]).value_or(0);
    for (auto _ : state) {
        state.counters["power"] = EvidencePower(hit, kSpins, 400, 9'001);
        state.counters["power_once_in_30"] = EvidencePower(kAdvantagesOfInterest[2], onceIn30, 400, 19'001);
    }
    state.counters["once_in"] = 1.0 / hit;
}
BENCHMARK(BM_EvidenceTableAt100000Spins)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
