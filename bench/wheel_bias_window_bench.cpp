// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFuture>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <stop_token>
#include <vector>

#include "core/stats/VerdictSimulation.h"
#include "core/stats/WheelBias.h"

#include "ui/MainWindow.h"
#include "ui/stats/VerdictRunner.h"
#include "ui/stats/WheelBiasWindow.h"

#include "WindowBench.h"

namespace {

using namespace orvanta;
using bench::RandomSpins;
using bench::ShownWindow;

// The main window with `spins` spins recorded and the wheel-bias window open on them.
std::unique_ptr<MainWindow> WindowWithBiasOpen(std::size_t spins) {
    auto form = ShownWindow(TabPage::Main);
    for (const int n : RandomSpins(spins)) {
        form->AddResult(n);
    }
    form->findChild<QAction*>("mnu_WheelBias")->trigger();
    auto* bias = form->findChild<WheelBiasWindow*>("frmWheelBias");
    (void)QTest::qWaitForWindowExposed(bias);
    (void)QTest::qWaitFor([&] { return bias->report().spins == static_cast<std::int64_t>(spins); });
    return form;
}

// Clicks as the user makes them, the events between them processed untimed, as
// they are between a user's clicks. Every click is timed on its own: the budget is
// for the median click, which a mean lets a few clicks preempted by other programs
// distort.
void TimeClicks(benchmark::State& state, MainWindow& form) {
    const std::vector<int> spins = RandomSpins(4096);
    std::vector<qint64> nanoseconds;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        form.AddResult(spins[nanoseconds.size() % spins.size()]);
        nanoseconds.push_back(timer.nsecsElapsed());
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto at = [&](double share) {
        return static_cast<double>(nanoseconds[static_cast<std::size_t>(share * (nanoseconds.size() - 1))]) /
               1000;
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
}

// One click as the user makes it, with the wheel-bias window open: the main
// window's work and the bias window's: the spin into the live evidence and the
// note that the history changed. Its refresh runs between clicks, untimed here and
// timed in BM_ClickAndWheelBiasRefresh.
void BM_ClickWithWheelBiasOpen(benchmark::State& state) {
    const auto form = WindowWithBiasOpen(1000);
    TimeClicks(state, *form);
}
BENCHMARK(BM_ClickWithWheelBiasOpen)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// A click and the whole refresh of the bias window it brings on the user-interface
// thread (figures, table, chart, summary, painting) over a history of the given length.
void BM_ClickAndWheelBiasRefresh(benchmark::State& state) {
    const auto spinCount = static_cast<std::size_t>(state.range(0));
    const auto form = WindowWithBiasOpen(spinCount);
    const auto* bias = form->findChild<WheelBiasWindow*>("frmWheelBias");
    std::int64_t expected = bias->report().spins;
    for (auto _ : state) {
        state.PauseTiming();
        // Past the refresh spacing, so that the click's refresh is due at once.
        QTest::qWait(WheelBiasWindow::kRefreshSpacingMs + 5);
        state.ResumeTiming();
        form->AddResult(static_cast<int>(expected % 37));
        ++expected;
        while (bias->report().spins != expected) {
            QApplication::processEvents();
        }
        QApplication::processEvents();  // the repaint it asked for
    }
}
BENCHMARK(BM_ClickAndWheelBiasRefresh)
    ->Arg(1'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);

// The verdict of 1,000 spins as the window runs it: 10,000 simulated fair histories and
// the search for what the spins can find, on Qt's thread pool, the answer delivered
// back to the user-interface thread, which keeps running.
void BM_VerdictInBackground(benchmark::State& state) {
    std::vector<std::int8_t> history;
    for (const int n : RandomSpins(1000)) {
        history.push_back(static_cast<std::int8_t>(n));
    }
    const WheelBiasReport report = ComputeWheelBias(history);
    for (auto _ : state) {
        VerdictRunner runner;
        bool done = false;
        QObject::connect(&runner, &VerdictRunner::finished, [&] { done = true; });
        runner.Start(report);
        while (!done) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        benchmark::DoNotOptimize(runner.FindingsFor(report));
    }
}
BENCHMARK(BM_VerdictInBackground)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Clicks while a simulation keeps the other core busy the whole time.
void BM_ClickWhileSimulating(benchmark::State& state) {
    const auto form = WindowWithBiasOpen(1000);
    const WheelBiasReport report = form->findChild<WheelBiasWindow*>("frmWheelBias")->report();
    std::stop_source stop;
    QFuture<FairHistories> simulation = QtConcurrent::run([&report, token = stop.get_token()] {
        return SimulateFairHistories(report.spins, std::numeric_limits<int>::max(), kFairHistoriesSeed,
                                     token);
    });
    TimeClicks(state, *form);
    stop.request_stop();
    simulation.waitForFinished();
}
BENCHMARK(BM_ClickWhileSimulating)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// A long load with the bias window open: it studies the growing history a few
// times a second, never once per spin.
void BM_LoadWithWheelBiasOpen(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath("spins.dat");
    {
        QFile file(path);
        (void)file.open(QIODevice::WriteOnly);
        for (const int n : RandomSpins(static_cast<std::size_t>(state.range(0)))) {
            file.write(QByteArray::number(n) + "\n");
        }
    }
    const auto form = WindowWithBiasOpen(0);
    for (auto _ : state) {
        if (!form->LoadResultsFileFrom(path)) {
            state.SkipWithError("load failed");
        }
    }
}
BENCHMARK(BM_LoadWithWheelBiasOpen)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
