// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/files/ResultsFile.h"
#include "core/recovery/JournalFormat.h"

#include "ui/MainWindow.h"
#include "ui/recovery/RecoveryJournal.h"

#include "WindowBench.h"

namespace {

using namespace orvanta;
using bench::RandomSpins;
using bench::ShownWindow;

class ResultsFiles {
public:
    QString PathFor(int spins) {
        const QString path = folder_.filePath(QString("spins-%1.dat").arg(spins));
        if (!QFile::exists(path)) {
            const NumberTable table = BuildNumberTable();
            SpinModel model(table);
            for (int n : RandomSpins(static_cast<std::size_t>(spins))) {
                model.AddResult(n);
            }
            QFile file(path);
            (void)file.open(QIODevice::WriteOnly);
            const std::string bytes = ResultsFileBytes(model);
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        return path;
    }

private:
    QTemporaryDir folder_;
};

ResultsFiles& Files() {
    static ResultsFiles files;
    return files;
}

// What the data of a file costs: read whole and its numbers parsed into a vector, with
// none of the checks a results file needs and no window. A load is measured against it.
std::vector<std::int8_t> ParseIntoVector(const QString& path) {
    QFile file(path);
    (void)file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::vector<std::int8_t> spins;
    spins.reserve(static_cast<std::size_t>(bytes.size() / 4));
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    while (at < end) {
        int n = 0;
        const auto [next, error] = std::from_chars(at, end, n);
        if (error == std::errc()) {
            spins.push_back(static_cast<std::int8_t>(n));
            at = next;
        } else {
            ++at;  // a blank or a line end
        }
    }
    return spins;
}

double SecondsSince(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A whole load as the user starts it from the menu, with the Main tab on screen, the
// repaint that follows included. Beside it, in the same iteration, the same file parsed
// into a vector: times_floor is what the load costs over what its data costs, and
// peak_MB the process's peak while it loads.
void BM_LoadResultsFile(benchmark::State& state) {
    const QString path = Files().PathFor(static_cast<int>(state.range(0)));
    auto window = ShownWindow(TabPage::Main);
    double loadSeconds = 0;
    double floorSeconds = 0;
    double peak = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ParseIntoVector(path));
        floorSeconds += SecondsSince(start);

        bench::ResetPeakMemory();
        start = std::chrono::steady_clock::now();
        if (!window->LoadResultsFileFrom(path)) {
            state.SkipWithError("load failed");
        }
        QApplication::processEvents();
        const double seconds = SecondsSince(start);
        state.SetIterationTime(seconds);
        loadSeconds += seconds;
        peak = std::max(peak, bench::PeakMegabytes());
    }
    state.counters["floor_ms"] = floorSeconds * 1000 / static_cast<double>(state.iterations());
    state.counters["times_floor"] = loadSeconds / floorSeconds;
    state.counters["peak_MB"] = peak;
    state.counters["spins"] = static_cast<double>(window->model().SpinCount());
}
BENCHMARK(BM_LoadResultsFile)->Arg(65536)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_LoadResultsFile)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// Ten million spins, a 40 MB file: still well under the budget, and the window never
// goes longer than longest_gap_ms without handling its events. A timer asks to run
// every 5 ms; the longest stretch between two of its runs, or between the start and
// the first, or the last and the end (its repaint included), is the longest freeze.
void BM_LoadTenMillionSpins(benchmark::State& state) {
    const QString path = Files().PathFor(10'000'000);
    auto window = ShownWindow(TabPage::Main);
    QTimer ticker;
    ticker.setInterval(5);
    auto last = std::chrono::steady_clock::now();
    double longest = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, SecondsSince(last));
        last = std::chrono::steady_clock::now();
    });
    ticker.start();
    double peak = 0;
    for (auto _ : state) {
        bench::ResetPeakMemory();
        last = std::chrono::steady_clock::now();
        if (!window->LoadResultsFileFrom(path)) {
            state.SkipWithError("load failed");
        }
        QApplication::processEvents();
        longest = std::max(longest, SecondsSince(last));
        peak = std::max(peak, bench::PeakMegabytes());
    }
    state.counters["longest_gap_ms"] = longest * 1000;
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_LoadTenMillionSpins)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The literal way for comparison: after every record the grid and the charts are
// redrawn in full and the event loop runs once. Too slow for a long file, so it runs
// on a short one; compare the time per spin.
void BM_LoadLiteralPerRecord(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const QString path = Files().PathFor(count);
    auto window = ShownWindow(TabPage::Main);
    for (auto _ : state) {
        QFile file(path);
        (void)file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        ResultsFileReader reader;
        reader.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        reader.Finish();
        while (const auto field = reader.Next()) {
            window->AddResult(field->number);
            window->repaint();
            QApplication::processEvents();
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadLiteralPerRecord)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_SaveResultsFile(benchmark::State& state) {
    QTemporaryDir folder;
    auto window = ShownWindow(TabPage::Main);
    (void)window->LoadResultsFileFrom(Files().PathFor(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        if (!window->SaveResultsFileTo(folder.filePath("saved.dat"))) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_SaveResultsFile)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A start-up that finds the journal of a run that did not end cleanly, a million spins
// in it, and restores them: the window made and shown, the journal read, the offer
// answered at once, the history restored and painted.
void BM_RestoreMillionSpinJournal(benchmark::State& state) {
    std::vector<std::int8_t> spins;
    for (const int n : RandomSpins(1'000'000)) {
        spins.push_back(static_cast<std::int8_t>(n));
    }
    const std::string journal = JournalHeader("a run long gone") + JournalInsert(1, spins);
    const QDir folder(RecoveryJournal::DefaultFolder());
    QTimer answer;
    answer.setInterval(1);
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == "&Restore") {
                    button->click();
                }
            }
        }
    });
    for (auto _ : state) {
        state.PauseTiming();
        (void)QDir(folder).removeRecursively();
        (void)folder.mkpath(".");
        QFile file(folder.filePath("journal-1.log"));
        (void)file.open(QIODevice::WriteOnly);
        file.write(journal.data(), static_cast<qint64>(journal.size()));
        file.close();
        answer.start();
        state.ResumeTiming();

        auto window = std::make_unique<MainWindow>();
        window->show();
        while (window->model().SpinCount() != static_cast<int>(spins.size())) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        QApplication::processEvents();

        state.PauseTiming();
        answer.stop();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestoreMillionSpinJournal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The main window's whole start-up: pictures, grids, calculator, help page.
void BM_MainWindowStartup(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
