// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTabWidget>
#include <QTest>

#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ui/MainWindow.h"

namespace orvanta::bench {

// The same spins in every run, so runs compare.
inline std::vector<int> RandomSpins(std::size_t count) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> number(0, 36);
    std::vector<int> spins(count);
    for (int& n : spins) {
        n = number(random);
    }
    return spins;
}

inline std::unique_ptr<MainWindow> ShownWindow(TabPage page) {
    auto window = std::make_unique<MainWindow>();
    window->findChild<QTabWidget*>("SSTab1")->setCurrentWidget(window->page(page));
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    return window;
}

// Peak resident memory of the process since the last ResetPeakMemory, in MB.
inline double PeakMegabytes() {
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

// Starts the peak afresh at what the process holds now, so that one benchmark's peak
// is not an earlier one's.
inline void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace orvanta::bench
