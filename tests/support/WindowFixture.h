// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/charts/ChartStatistics.h"

#include "ui/MainWindow.h"
#include "ui/Settings.h"
#include "ui/StatusLine.h"
#include "ui/charts/StatChart.h"

#include "support/GridReading.h"

namespace orvanta::testing {

// What the status line (txtMessages) says now: its newest message, and the prompt of
// something that waits for the user.
inline std::string LatestMessage(const MainWindow& window) {
    return window.statusLine()->messages().value(0).toStdString();
}
inline std::string Prompt(const MainWindow& window) {
    return window.statusLine()->prompt().toStdString();
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// What a first run finds: no remembered theme, size, folder or recent files.
struct FirstRunSettings {
    FirstRunSettings() { Settings().clear(); }
};

// A real main window, driven as a user drives it, on a first run's settings.
class WindowTest : public ::testing::Test {
protected:
    FirstRunSettings firstRun_;
    MainWindow window_;

    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* widget = window_.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    // Shown and active, so that keys and focus behave as on a desktop.
    void ShowActive() {
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    void Spin(std::initializer_list<int> spins) {
        for (int n : spins) {
            window_.AddResult(n);
        }
    }
    std::vector<int> Spins() const {
        const auto& spins = window_.model().Spins();
        return {spins.begin(), spins.end()};
    }
    // The tallies are those of the history, the grid's window shows the history's spins
    // and nothing below them, and every chart shows the tallies: as if the history had
    // been entered by hand.
    void ExpectViewsAgreeWithTheHistory() const {
        const SpinModel& model = window_.model();
        SpinModel rebuilt(model.Table());
        for (const auto n : model.Spins()) {
            rebuilt.AddResult(n);
        }
        ASSERT_EQ(model.Tallies(), rebuilt.Tallies());

        const int count = model.SpinCount();
        const auto* grid = window_.findChild<QTableView*>("FlexGrid1");
        const auto* scroll = window_.findChild<QScrollBar*>("ScrollMain");
        EXPECT_EQ(scroll->maximum(), std::max(0, count - 19));
        const int newest = count - scroll->value();
        for (int row = 1; row <= 19; ++row) {
            const int slot = newest - row + 1;
            EXPECT_EQ(CellText(grid, row, 0), slot >= 1 ? std::to_string(slot) : "") << "row " << row;
            EXPECT_EQ(CellText(grid, row, 1),
                      slot >= 1 ? std::string(" ").append(std::to_string(model.SpinAt(slot))) : "")
                << "row " << row;
        }
        const auto charts = window_.findChildren<StatChart*>();
        ASSERT_EQ(charts.size(), 16);
        for (const StatChart* chart : charts) {
            EXPECT_EQ(chart->model(), BuildChartModel(chart->kind(), rebuilt.Tallies()))
                << chart->objectName().toStdString();
        }
    }

    // The failure messages shown, closing their boxes; "" when there is none.
    std::string TakeMessage(const char* name = "fileMessage") {
        QApplication::processEvents();
        std::string text;
        for (auto* box : window_.findChildren<QMessageBox*>(name)) {
            text += box->text().toStdString();
            box->close();
        }
        QApplication::processEvents();
        return text;
    }
};

// The window beside a scratch folder of real files.
class WindowWithFilesTest : public WindowTest {
protected:
    QTemporaryDir folder_;

    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return file.fileName();
    }
};

}  // namespace orvanta::testing
