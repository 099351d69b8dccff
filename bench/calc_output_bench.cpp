// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's output list after the longest loop allowed: a repaint of the list
// costs the same whatever it holds.
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include "ui/MainWindow.h"
#include "ui/calc/CalculatorPanel.h"
#include "ui/calc/OutputLines.h"
#include "ui/calc/OutputListView.h"

#include "WindowBench.h"

namespace {

using namespace orvanta;

void BM_CalculatorOutputRepaint(benchmark::State& state) {
    const auto form = bench::ShownWindow(TabPage::Calculator);
    const CalculatorPanel& panel = form->calculatorPanel();
    panel.input()->setText("for i = 1 to 1000000 : i");
    QTest::keyClick(panel.input(), Qt::Key_Return);
    while (panel.isEvaluating()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::processEvents();
    OutputListView* view = panel.output();
    QScrollBar* scroll = view->verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        // A page further on each time, so every repaint draws lines it has not drawn.
        position = (position + scroll->pageStep()) % (scroll->maximum() + 1);
        scroll->setValue(position);
        view->viewport()->repaint();
    }
    state.counters["lines"] = static_cast<double>(panel.outputLines().rowCount());
}
BENCHMARK(BM_CalculatorOutputRepaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

}  // namespace
