// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <random>
#include <vector>

#include "core/model/NumberTable.h"
#include "core/model/SpinModel.h"

#include "ui/charts/StatChart.h"

namespace {

using namespace orvanta;

// A file load of 65,536 spins as the window sees it: every spin rewrites all sixteen
// charts, the eight small ones are on screen, and pending events (the repaints) are
// processed once per 16 ms frame and after the last spin.
void BM_UpdateSixteenChartsPerSpin(benchmark::State& state) {
    const NumberTable table = BuildNumberTable();
    std::mt19937 random(1);
    std::uniform_int_distribution<int> number(0, 36);
    std::vector<int> spins(65536);
    for (int& n : spins) {
        n = number(random);
    }

    QWidget summary;
    summary.resize(900, 600);
    std::vector<std::unique_ptr<StatChart>> large;
    std::vector<StatChart*> charts;
    for (std::size_t k = 0; k < kChartKinds.size(); ++k) {
        auto* small = new StatChart(kChartKinds[k], 0, &summary);
        small->setGeometry(static_cast<int>(k % 4) * 220, static_cast<int>(k / 4) * 150, 217, 143);
        charts.push_back(small);
        large.push_back(std::make_unique<StatChart>(kChartKinds[k], 1));  // never shown: a tab not chosen
        large.back()->resize(525, 375);
        charts.push_back(large.back().get());
    }
    summary.show();
    QApplication::processEvents();

    for (auto _ : state) {
        SpinModel model(table);
        QElapsedTimer frame;
        frame.start();
        for (const int n : spins) {
            model.AddResult(n);
            for (StatChart* chart : charts) {
                chart->UpdateFrom(model.Tallies());
            }
            if (frame.elapsed() >= 16) {
                QApplication::processEvents();
                frame.restart();
            }
        }
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(spins.size()));
}
BENCHMARK(BM_UpdateSixteenChartsPerSpin)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
