// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <string>

#include "core/model/SpinModel.h"
#include "core/stats/EvidenceTracker.h"
#include "core/stats/SpinWindows.h"
#include "core/stats/WheelBias.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTextBrowser;

namespace orvanta {

class BiasChart;
class EvidenceChart;
class NumberFiguresModel;
class VerdictRunner;

// The wheel-bias window: is this wheel biased, and how sure can we be? At the top the
// live evidence against a fair wheel over the whole history, valid however often it is
// looked at, and its chart. Below, a span of the history (all of it or only the newest
// spins, whole or one half) with the figures of every number, their chart, the
// fixed-sample verdict and its tests in plain words, and what the spins can show at all.
// It follows the history while it is open.
class WheelBiasWindow : public QWidget {
    Q_OBJECT
public:
    explicit WheelBiasWindow(const SpinModel& model, QWidget* parent = nullptr);
    ~WheelBiasWindow() override;

    // The history changed. New spins go into the live evidence at once, a few hundred
    // multiplications each; the figures and texts follow at most every
    // kRefreshSpacingMs, so a click stays cheap and a long load is studied a few times
    // a second, not per spin. A correction or a load is studied afresh then.
    void HistoryChanged();

    // Writes the table and the tests as CSV; a failure is shown in a message box.
    bool ExportTo(const QString& path);

    const WheelBiasReport& report() const { return report_; }
    const EvidenceReport& evidence() const { return evidence_; }
    bool simulationRunning() const;

    static constexpr int kRefreshSpacingMs = 100;
    // Appended spins beyond this many are studied afresh at the next refresh rather
    // than one by one during the click or paste that brought them.
    static constexpr std::size_t kFollowAtOnce = 4'096;
    // The verdict's simulation waits until the history has held still this long, so
    // that a long load does not start and cancel one every refresh.
    static constexpr int kSimulationSettleMs = 250;
    // Beside the main window only where the table and the summary both fit.
    static constexpr int kNarrowestBeside = 620;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateTable();
    // Opens where it hides as little as it can of the main window, once; after that
    // the window stays where the user puts it.
    void PlaceBesideMainWindow();
    void Refresh();
    void FollowEvidence();
    void ShowEvidence();
    void StartSimulation();
    void ShowSummary();
    void ChoiceChanged();
    void Export();

    const SpinModel& model_;
    WheelBiasReport report_;
    std::string spanText_;
    EvidenceTracker tracker_;
    std::uint64_t trackedRewrites_ = 0;
    bool evidenceStale_ = true;  // a correction or a long append: study the history afresh
    EvidenceReport evidence_;
    bool stale_ = true;
    bool scrollToVerdict_ = false;
    bool placed_ = false;
    int tableWidth_ = 0;  // the table with every column whole
    QTimer refreshTimer_;
    QTimer simulationTimer_;
    QElapsedTimer sinceRefresh_;

    QLabel* evidenceHeadline_ = nullptr;
    QLabel* evidenceDetail_ = nullptr;
    EvidenceChart* evidenceChart_ = nullptr;
    QComboBox* windowBox_ = nullptr;
    QComboBox* halfBox_ = nullptr;
    QLabel* spanLabel_ = nullptr;
    NumberFiguresModel* figures_ = nullptr;
    QTableView* table_ = nullptr;
    BiasChart* chart_ = nullptr;
    QTextBrowser* summary_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    VerdictRunner* simulation_ = nullptr;
};

}  // namespace orvanta
