// SPDX-License-Identifier: GPL-3.0-or-later

// Corrections in a long history, as the user makes them: the whole window follows,
// the recovery journal records and the undo history grows.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <vector>

#include "ui/MainWindow.h"
#include "ui/grid/ResultsGrid.h"

#include "WindowBench.h"

namespace {

using namespace orvanta;
using bench::RandomSpins;
using bench::ShownWindow;

constexpr int kMillion = 1'000'000;

std::unique_ptr<MainWindow> WindowWithMillionSpins() {
    auto form = ShownWindow(TabPage::Main);
    form->RecordSpins(RandomSpins(kMillion));
    QApplication::processEvents();
    return form;
}

// "Remove Item" on the spin in the middle, then the removed spin put back by Undo
// (untimed), so every round starts from the same million.
void BM_RemoveSpinInTheMiddle(benchmark::State& state) {
    const auto form = WindowWithMillionSpins();
    auto* grid = form->findChild<ResultsGrid*>();
    auto* remove = form->findChild<QPushButton*>("cmdRemoveItem");
    auto* undo = form->findChild<QAction*>("mnu_Undo");
    for (auto _ : state) {
        grid->SelectSlot(kMillion / 2);
        remove->click();
        state.PauseTiming();
        undo->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveSpinInTheMiddle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// "Insert Item" before the spin in the middle, and the number clicked on the table.
void BM_InsertSpinInTheMiddle(benchmark::State& state) {
    const auto form = WindowWithMillionSpins();
    auto* grid = form->findChild<ResultsGrid*>();
    auto* insert = form->findChild<QPushButton*>("cmdInsertResult");
    auto* undo = form->findChild<QAction*>("mnu_Undo");
    for (auto _ : state) {
        grid->SelectSlot(kMillion / 2);
        insert->click();
        form->AddResult(17);
        state.PauseTiming();
        undo->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertSpinInTheMiddle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// Edit > Paste Spins with a million numbers on the clipboard, one a line: read, checked,
// recorded as one step, written to the journal and painted.
void BM_PasteMillionSpins(benchmark::State& state) {
    const auto form = ShownWindow(TabPage::Main);
    QString text;
    for (const int n : RandomSpins(kMillion)) {
        text += QString::number(n);
        text += QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
    auto* paste = form->findChild<QAction*>("mnu_PasteSpins");
    auto* undo = form->findChild<QAction*>("mnu_Undo");
    for (auto _ : state) {
        paste->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        if (form->model().SpinCount() != kMillion) {
            state.SkipWithError("the paste took no spins");
        }
        undo->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteMillionSpins)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Edit > Undo of a paste of a million spins, painted.
void BM_UndoMillionSpinPaste(benchmark::State& state) {
    const auto form = ShownWindow(TabPage::Main);
    const std::vector<int> spins = RandomSpins(kMillion);
    auto* undo = form->findChild<QAction*>("mnu_Undo");
    for (auto _ : state) {
        state.PauseTiming();
        form->RecordSpins(spins);
        QApplication::processEvents();
        state.ResumeTiming();
        undo->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_UndoMillionSpinPaste)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
