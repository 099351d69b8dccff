// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include <span>

#include "core/model/NumberTable.h"
#include "core/model/SpinModel.h"

class QTextBrowser;

namespace orvanta {

class CalculatorPanel;
class ChartSet;
class DocumentCommands;
class HistoryEditor;
class MainPage;
class RecoveryJournal;
class SpinEntry;
class StatusLine;
class TabControl;
class WheelBiasWindow;

// The pages of SSTab1, left to right.
enum class TabPage {
    Main,
    StatisticsSummary,
    Color,
    HighLow,
    EvenOdd,
    N12,
    Row,
    Column,
    N6,
    WheelSector,
    Calculator,
    Help,
};

inline constexpr int kTabPageCount = 12;

// The main window: where the parts are put together. It owns the history, its editor
// and journal, and builds the menu, the tab control and each page's part; every view
// follows the editor's one change signal. The start-up runs in its constructor.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 11865;
    static constexpr int kClientHeightTwips = 8025;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Records spin n (a click on the table) as one step of the undo history and brings
    // every view in line with it. While "Insert Item" waits for its number, n is that
    // number.
    void AddResult(int n);

    // Records spins after the newest as ONE step of the undo history (a paste); numbers
    // off the wheel are left out. text names the step in the Edit menu ("Paste 12
    // Spins"); empty for the usual name.
    void RecordSpins(std::span<const int> spins, const QString& text = {});

    // Runs the analysis for the chosen category, run length and depth.
    void CalcPastResults();

    // Everything the File menu's commands do once a file has been chosen. A failure is
    // shown in a message box; both return whether the command succeeded.
    bool LoadResultsFileFrom(const QString& path);
    bool SaveResultsFileTo(const QString& path);

    const SpinModel& model() const { return model_; }
    const NumberTable& numberTable() const { return numberTable_; }
    const CalculatorPanel& calculatorPanel() const { return *calculatorPanel_; }
    DocumentCommands& documents() const { return *documents_; }

    QWidget* page(TabPage page) const;
    StatusLine* statusLine() const;

    void setVisible(bool visible) override;

protected:
    // Asks about unsaved spins; a clean end removes the recovery journal.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateMenus();
    void CreateTabs();
    // Opens the wheel-bias window, or brings the open one to the front.
    void ShowWheelBias();
    void RunStartup();
    void FitOnScreen();
    void OfferStartupRecovery();
    void ShowRecoveryOff();

    NumberTable numberTable_;
    SpinModel model_{numberTable_};
    RecoveryJournal* journal_;
    HistoryEditor* editor_;
    TabControl* tabs_ = nullptr;
    MainPage* mainPage_ = nullptr;
    SpinEntry* spinEntry_ = nullptr;
    ChartSet* charts_ = nullptr;
    CalculatorPanel* calculatorPanel_ = nullptr;
    QTextBrowser* helpView_ = nullptr;
    DocumentCommands* documents_ = nullptr;
    WheelBiasWindow* wheelBias_ = nullptr;  // made when first asked for
    bool exiting_ = false;
    bool fittedOnScreen_ = false;
    bool shownOnce_ = false;
    bool recoveryOffShown_ = false;
};

}  // namespace orvanta
