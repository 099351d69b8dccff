// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "core/model/NumberTable.h"
#include "core/model/SpinModel.h"

#include "ui/files/ResultsFileDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTextBrowser;

namespace orvanta {

class CalculatorPanel;
class HistoryEditor;
class KeyboardEntry;
class PendingInsert;
class RecoveryJournal;
struct HistoryChange;
class ResultsGrid;
class SearchGrids;
class StatChart;
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

// The main window: menu, the tab control and everything on its pages.
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

    // Brings all sixteen charts in line with the tallies.
    void UpdateCharts();

    // Everything the File menu's commands do once a file has been chosen. A failure is
    // shown in a message box; both return whether the command succeeded.
    bool LoadResultsFileFrom(const QString& path);
    bool SaveResultsFileTo(const QString& path);

    const SpinModel& model() const { return model_; }
    const NumberTable& numberTable() const { return numberTable_; }
    const CalculatorPanel& calculatorPanel() const { return *calculatorPanel_; }

    QWidget* page(TabPage page) const;
    StatusLine* statusLine() const { return statusLine_; }

    void setVisible(bool visible) override;

    // Shows the theme that the theme slider holds.
    void ApplyTheme();

signals:
    // The history changed: a spin recorded, a file loaded, a correction. Views that
    // follow the whole history listen here; a load of many spins raises it once per
    // spin, so a listener that does heavy work defers it and coalesces.
    void historyChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Asks about unsaved spins; a clean end removes the recovery journal.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateMenu();
    void CreateStatisticsMenu();
    // Opens the wheel-bias window, or brings the open one to the front.
    void ShowWheelBias();
    void CreateTabs();
    void CreateMainPage();
    void CreateTableAreas(QWidget* page);
    void CreateCharts();
    void CreateHelpPage();
    void ArrangeTableNameLabels();
    void LoadResultsFile();
    void FitOnScreen();
    bool SaveResultsFile();
    void ShowFailure(const QString& message, const QString& name = "fileMessage");
    // The one place that writes the line of messages below the results grid.
    void ShowStatus(const QString& text);
    void UpdateCaption();
    void FollowHistory(const HistoryChange& change);
    void RemoveSelectedSpin();
    void CreateKeyboardEntry();
    // Edit > Paste Spins: the clipboard's numbers, all checked first, as one step.
    void PasteSpins();
    void BeginInsert();
    void ShowPendingInsert();
    void InsertChosen(int n);
    // Save, Discard or Cancel when the history holds unsaved spins: true to go on.
    bool ConfirmUnsavedSpins();
    void OfferStartupRecovery();
    void ShowRecoveryOff();
    // Runs one file command unless another is running; false when refused.
    bool RunFileCommand(const std::function<bool()>& command);
    void SetTabIndex(QWidget* control, int index);
    void ApplyTabOrder();

    NumberTable numberTable_;
    SpinModel model_{numberTable_};
    HistoryEditor* editor_ = nullptr;
    RecoveryJournal* journal_ = nullptr;
    PendingInsert* pendingInsert_ = nullptr;
    KeyboardEntry* keyboardEntry_ = nullptr;

    TabControl* tabs_ = nullptr;
    ResultsGrid* resultsGrid_ = nullptr;
    SearchGrids* searchGrids_ = nullptr;
    QComboBox* categoryBox_ = nullptr;
    QSlider* runLengthSlider_ = nullptr;
    QSlider* depthSlider_ = nullptr;
    QSlider* themeSlider_ = nullptr;
    QLabel* tablePicture_ = nullptr;
    QLabel* backgroundPicture_ = nullptr;
    std::array<QLabel*, 9> tableNameLabels_{};
    QTextBrowser* helpView_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    CalculatorPanel* calculatorPanel_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    ResultsFileDialog fileDialog_;
    WheelBiasWindow* wheelBias_ = nullptr;  // made when first asked for
    std::vector<StatChart*> charts_;        // instance 0 of every kind, then instance 1
    std::vector<std::pair<int, QWidget*>> tabOrder_;
    bool fileCommandRunning_ = false;
    bool exiting_ = false;
    bool fittedOnScreen_ = false;
    bool shownOnce_ = false;
    bool recoveryOffShown_ = false;
};

}  // namespace orvanta
