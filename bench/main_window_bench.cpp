// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "ui/MainWindow.h"

#include "WindowBench.h"

namespace {

using namespace orvanta;
using bench::RandomSpins;
using bench::ShownWindow;

// One click as the user makes it, on the Main tab: model, grid and the sixteen chart
// models. The repaint that follows runs untimed between clicks, as it does between a
// user's clicks. Repetitions give the median.
void BM_MainWindowAddResult(benchmark::State& state) {
    const auto window = ShownWindow(TabPage::Main);
    const std::vector<int> spins = RandomSpins(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        window->AddResult(spins[i++ % spins.size()]);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowAddResult)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// 65,536 spins recorded with the summary of eight charts on screen, events processed
// once per frame as a file load does: the whole cost of keeping sixteen charts live.
void BM_MainWindowAddResult65536SummaryShown(benchmark::State& state) {
    const std::vector<int> spins = RandomSpins(65536);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = ShownWindow(TabPage::StatisticsSummary);
        state.ResumeTiming();
        QElapsedTimer frame;
        frame.start();
        for (const int n : spins) {
            window->AddResult(n);
            if (frame.elapsed() >= 16) {
                QApplication::processEvents();
                frame.restart();
            }
        }
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowAddResult65536SummaryShown)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
