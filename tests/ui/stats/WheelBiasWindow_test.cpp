// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/WheelBiasWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <random>

#include "core/stats/ArcSimulation.h"
#include "core/stats/BiasText.h"
#include "core/stats/WheelBiasCsv.h"

#include "ui/QtConvert.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

class WheelBiasWindowTest : public ::testing::Test {
protected:
    NumberTable table_ = BuildNumberTable();
    SpinModel model_{table_};
    WheelBiasWindow window_{model_};

    void SetUp() override {
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    // A fair history, the same on every run, recorded as the main window does.
    void RecordFairSpins(int count) {
        std::mt19937 random(42);
        for (int i = 0; i < count; ++i) {
            model_.AddResult(static_cast<int>(random() % 37));
            window_.HistoryChanged();
        }
    }
    template <typename T>
    T* find(const char* name) {
        T* widget = window_.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Summary() { return find<QTextBrowser>("txtBiasSummary")->toPlainText(); }
    bool SimulationShown() {
        return QTest::qWaitFor(
            [&] { return !window_.simulationRunning() && !Summary().contains("simulating"); }, 10'000);
    }
};

TEST_F(WheelBiasWindowTest, NoSpinsMeanNothingToTestAndNoPValues) {
    EXPECT_TRUE(Summary().startsWith("Nothing to test yet: there are no spins here."));
    EXPECT_FALSE(Summary().contains("p = "));
    const QAbstractItemModel* table = find<QTableView>("grdBiasNumbers")->model();
    EXPECT_EQ(table->index(0, 3).data().toString(), QString("\u2013"));
}

TEST_F(WheelBiasWindowTest, StudiesTheChosenWindowAndHalf) {
    RecordFairSpins(100);
    find<QComboBox>("cboBiasWindow")->setCurrentText("Last 37 spins");
    find<QComboBox>("cboBiasHalf")->setCurrentText("Newer half");
    EXPECT_EQ(window_.report().spins, 19);
    EXPECT_EQ(find<QLabel>("lblBiasSpan")->text(), "The newer half of the last 37 spins: 19 spins");
}

// The arcs' p-values arrive from the background and are those of the seeded
// simulation, so the same history always shows the same answer.
TEST_F(WheelBiasWindowTest, SimulatedArcPValuesShowUpAndAreReproducible) {
    RecordFairSpins(1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.report().spins == 1000; }, 1000));
    ASSERT_TRUE(SimulationShown());
    const WheelBiasReport& report = window_.report();
    const ArcSearchPValues expected = SimulateArcSearch(report.spins, report.arcs);
    for (std::size_t i = 0; i < report.arcs.size(); ++i) {
        EXPECT_TRUE(
            Summary().contains(FromStd(ArcText(report.arcs[i], expected.byLength[i], kArcSearchHistories))))
            << i;
    }
}

TEST_F(WheelBiasWindowTest, ExportWritesTheTableAndTestsOrSaysWhyNot) {
    RecordFairSpins(400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.report().spins == 400; }, 1000));
    ASSERT_TRUE(SimulationShown());
    QTemporaryDir folder;
    const QString path = folder.filePath("bias.csv");
    ASSERT_TRUE(window_.ExportTo(path));
    const WheelBiasReport& report = window_.report();
    const ArcSearchPValues arcs = SimulateArcSearch(report.spins, report.arcs);
    EXPECT_EQ(testing::ReadFile(path).toStdString(),
              WheelBiasCsv(report, "The whole history: 400 spins", arcs.byLength));

    EXPECT_FALSE(window_.ExportTo(folder.filePath("missing/bias.csv")));
    QMessageBox* box = window_.findChild<QMessageBox*>("exportMessage");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("missing"));
    box->close();
}

}  // namespace
}  // namespace orvanta
