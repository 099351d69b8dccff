// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string_view>

#include "core/analysis/PastResults.h"
#include "core/charts/ChartStatistics.h"
#include "core/colors/CellColors.h"
#include "core/model/SpinModel.h"

namespace {

using namespace orvanta;

// Recording one spin into a history that keeps growing, as a long session does.
void BM_AddResult(benchmark::State& state) {
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    std::mt19937 random(1);
    std::uniform_int_distribution<int> number(0, 36);
    std::array<int, 4096> spins{};
    for (int& n : spins) {
        n = number(random);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        model.AddResult(spins[i++ & (spins.size() - 1)]);
    }
    benchmark::DoNotOptimize(model.Tallies());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddResult);

// One refresh of the results grid colours 19 rows of 9 cells.
void BM_GetBackColor(benchmark::State& state) {
    constexpr std::array<std::string_view, 9> kCodes = {"17", "B ", "O ", "L ", "2 ", "6 ", "2 ", "3 ", "-"};
    for (auto _ : state) {
        for (int column = 1; column <= 8; ++column) {
            benchmark::DoNotOptimize(GetBackColor(kCodes[static_cast<std::size_t>(column)], column));
        }
        benchmark::DoNotOptimize(GetBackColor(kCodes[0], 1));
    }
    state.SetItemsProcessed(state.iterations() * 9);
}
BENCHMARK(BM_GetBackColor);

// The data half of a chart refresh: all 16 instances from the tallies.
void BM_UpdateAllChartModels(benchmark::State& state) {
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int n = 0; n < 1000; ++n) {
        model.AddResult(n % 37);
    }
    std::array<ChartModel, 16> charts;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        charts[i] = PlaceholderChartModel(kChartKinds[i % 8]);
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < charts.size(); ++i) {
            UpdateChartModel(charts[i], kChartKinds[i % 8], model.Tallies());
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateAllChartModels);

// The analysis over a long history: random spins rarely repeat a run of 20, while a
// run of 1 in "Color" matches half the history and gives every recursive pass work.
void BM_SearchPastResults(benchmark::State& state) {
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    std::mt19937 random(2);
    std::uniform_int_distribution<int> number(0, 36);
    for (int i = 0; i < 65536; ++i) {
        model.AddResult(number(random));
    }
    const int runLength = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchPastResults(model, "Color", runLength, 15));
    }
}
BENCHMARK(BM_SearchPastResults)->Arg(20)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
