// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/files/ResultsFile.h"

#include "ui/MainWindow.h"

#include "WindowBench.h"

namespace {

using namespace orvanta;
using bench::RandomSpins;
using bench::ShownWindow;

// Peak resident memory of the whole process so far, in MB.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return 0;
}

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

// A whole load as the user starts it from the menu, with the Main tab on screen.
void BM_LoadResultsFile(benchmark::State& state) {
    const QString path = Files().PathFor(static_cast<int>(state.range(0)));
    auto window = ShownWindow(TabPage::Main);
    for (auto _ : state) {
        if (!window->LoadResultsFileFrom(path)) {
            state.SkipWithError("load failed");
        }
    }
    state.counters["peak_MB"] = PeakMegabytes();
    state.counters["spins"] = static_cast<double>(window->model().SpinCount());
}
BENCHMARK(BM_LoadResultsFile)->Arg(65536)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_LoadResultsFile)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

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
