// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/WheelBiasWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <random>

#include "core/stats/BiasText.h"
#include "core/stats/EvidenceText.h"
#include "core/stats/VerdictSimulation.h"
#include "core/stats/WheelBiasCsv.h"

#include "ui/QtConvert.h"
#include "ui/stats/EvidenceChart.h"

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
    bool Settled(std::int64_t spins) {
        return QTest::qWaitFor(
            [&] {
                return window_.report().spins == spins && !window_.simulationRunning() &&
                       !Summary().contains("simulat");
            },
            20'000);
    }
};

TEST_F(WheelBiasWindowTest, NoSpinsMeanNothingToTestAndNoPValues) {
    EXPECT_TRUE(Summary().startsWith("Nothing to test yet: there are no spins here."));
    EXPECT_FALSE(Summary().contains("p = "));
    EXPECT_EQ(find<QLabel>("lblEvidence")->text(), "Evidence against a fair wheel: 1.0 (alarm at 20)");
    const QAbstractItemModel* table = find<QTableView>("grdBiasNumbers")->model();
    EXPECT_EQ(table->index(0, 3).data().toString(), QString("\u2013"));
}

TEST_F(WheelBiasWindowTest, ExpectedCountsAreWrittenAsCountsAre) {
    model_.AppendResults(std::vector<std::int8_t>(40'000, 5));
    window_.HistoryChanged();
    const QAbstractItemModel* table = find<QTableView>("grdBiasNumbers")->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.report().spins == 40'000; }, 2'000));
    EXPECT_EQ(table->index(0, 2).data().toString(), "1,081.1");
}

TEST_F(WheelBiasWindowTest, StudiesTheChosenWindowAndHalf) {
    RecordFairSpins(100);
    find<QComboBox>("cboBiasWindow")->setCurrentText("Last 37 spins");
    find<QComboBox>("cboBiasHalf")->setCurrentText("Newer half");
    EXPECT_EQ(window_.report().spins, 19);
    EXPECT_EQ(find<QLabel>("lblBiasSpan")->text(), "The newer half of the last 37 spins: 19 spins");
}

// The verdict arrives from the background and is that of the seeded simulation, so
// the same history always shows the same answer; the export writes what is shown.
TEST_F(WheelBiasWindowTest, VerdictArrivesReproduciblyAndIsExported) {
    RecordFairSpins(1000);
    ASSERT_TRUE(Settled(1000));
    const WheelBiasReport& report = window_.report();
    const VerdictFindings expected = FindVerdict(report);
    EXPECT_TRUE(Summary().startsWith(FromStd(DescribeVerdict(report, &expected, SpanHalf::Both).headline)));
    for (std::size_t i = 0; i < report.arcs.size(); ++i) {
        EXPECT_TRUE(Summary().contains(FromStd(ArcText(report, i, expected.arcPValues[i], kFairHistories))))
            << i;
    }

    QTemporaryDir folder;
    const QString path = folder.filePath("bias.csv");
    ASSERT_TRUE(window_.ExportTo(path));
    EXPECT_EQ(
        testing::ReadFile(path).toStdString(),
        WheelBiasCsv(report, "The whole history: 1,000 spins", &expected, ComputeEvidence(model_.Spins())));
    EXPECT_FALSE(window_.ExportTo(folder.filePath("missing/bias.csv")));
    QMessageBox* box = window_.findChild<QMessageBox*>("exportMessage");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("missing"));
    box->close();
}

// New spins go into the evidence one by one; a correction studies the history afresh.
// Either way the window shows what the whole history gives.
TEST_F(WheelBiasWindowTest, LiveEvidenceFollowsSpinsAndCorrections) {
    const auto matches = [&] {
        const EvidenceReport whole = ComputeEvidence(model_.Spins());
        return window_.evidence().spins == whole.spins &&
               window_.evidence().figures.eValue == whole.figures.eValue &&
               window_.evidence().alarmSpin == whole.alarmSpin;
    };
    RecordFairSpins(300);
    ASSERT_TRUE(QTest::qWaitFor(matches, 2'000));
    EXPECT_EQ(find<QLabel>("lblEvidence")->text(), FromStd(EvidenceHeadline(window_.evidence())));
    EXPECT_EQ(find<EvidenceChart>("chtEvidence")->evidenceLine()->count(),
              static_cast<int>(window_.evidence().path.size()));

    model_.RemoveResult(10);
    model_.InsertResult(20, 17);
    window_.HistoryChanged();
    ASSERT_TRUE(QTest::qWaitFor(matches, 2'000));
    EXPECT_EQ(window_.evidence().spins, 300);
}

TEST_F(WheelBiasWindowTest, EscClosesAnOpenListAndOnlyThenTheWindow) {
    auto* spins = find<QComboBox>("cboBiasWindow");
    spins->setFocus();
    spins->showPopup();
    QWidget* list = QApplication::activePopupWidget();
    ASSERT_NE(list, nullptr);
    // Through the window system, as a real key press comes, so that shortcuts see it first.
    QTest::keyClick(list->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }, 1'000));
    EXPECT_TRUE(window_.isVisible());
    QTest::keyClick(window_.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
}

// After a new choice of spins the verdict is in sight; new spins keep the reader's place.
TEST_F(WheelBiasWindowTest, ANewChoiceBringsTheVerdictIntoSight) {
    window_.resize(700, 500);
    RecordFairSpins(1000);
    ASSERT_TRUE(Settled(1000));
    QScrollBar* scroll = find<QTextBrowser>("txtBiasSummary")->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    scroll->setValue(scroll->maximum() / 2);
    const int place = scroll->value();
    model_.AddResult(5);
    window_.HistoryChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.report().spins == 1001; }, 2'000));
    EXPECT_EQ(scroll->value(), place);
    find<QComboBox>("cboBiasWindow")->setCurrentText("Last 370 spins");
    EXPECT_EQ(scroll->value(), 0);
}

}  // namespace
}  // namespace orvanta
