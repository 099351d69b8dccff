// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTabWidget>
#include <QTest>

#include <memory>
#include <random>
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

}  // namespace orvanta::bench
