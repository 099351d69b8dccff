// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <string>

#include "core/model/SpinModel.h"
#include "core/stats/SpinWindows.h"
#include "core/stats/WheelBias.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTextBrowser;

namespace orvanta {

class ArcSimulationRunner;
class BiasChart;
class NumberFiguresModel;

// The wheel-bias window: is this wheel biased, and how sure can we be? It studies a
// span of the history (all of it or only the newest spins, whole or one half) and
// shows the figures of every number, their chart, the tests in plain words and what
// the spins can show at all. It follows the history while it is open.
class WheelBiasWindow : public QWidget {
    Q_OBJECT
public:
    explicit WheelBiasWindow(const SpinModel& model, QWidget* parent = nullptr);
    ~WheelBiasWindow() override;

    // The history changed. The figures follow at most every kRefreshSpacingMs, so a
    // click stays cheap and a long load is studied a few times a second, not per spin.
    void HistoryChanged();

    // Writes the table and the tests as CSV; a failure is shown in a message box.
    bool ExportTo(const QString& path);

    const WheelBiasReport& report() const { return report_; }
    bool simulationRunning() const;

    static constexpr int kRefreshSpacingMs = 100;
    // The arcs' simulation waits until the history has held still this long, so that
    // a long load does not start and cancel one every refresh.
    static constexpr int kSimulationSettleMs = 250;
    // Beside the main window only where the table and the summary both fit.
    static constexpr int kNarrowestBeside = 620;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void CreateTable();
    // Opens where it hides as little as it can of the main window, once; after that
    // the window stays where the user puts it.
    void PlaceBesideMainWindow();
    void Refresh();
    void StartSimulation();
    void ShowSummary();
    void Export();

    const SpinModel& model_;
    WheelBiasReport report_;
    std::string spanText_;
    bool stale_ = true;
    bool placed_ = false;
    int tableWidth_ = 0;  // the table with every column whole
    QTimer refreshTimer_;
    QTimer simulationTimer_;
    QElapsedTimer sinceRefresh_;

    QComboBox* windowBox_ = nullptr;
    QComboBox* halfBox_ = nullptr;
    QLabel* spanLabel_ = nullptr;
    NumberFiguresModel* figures_ = nullptr;
    QTableView* table_ = nullptr;
    BiasChart* chart_ = nullptr;
    QTextBrowser* summary_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    ArcSimulationRunner* simulation_ = nullptr;
};

}  // namespace orvanta
