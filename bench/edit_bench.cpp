// SPDX-License-Identifier: GPL-3.0-or-later

// Corrections in a long history, as the user makes them: the whole window follows,
// the recovery journal records and the undo history grows.
#include <QAction>
#include <QApplication>
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

// Edit > Undo of a paste of a million spins.
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
    }
}
BENCHMARK(BM_UndoMillionSpinPaste)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
