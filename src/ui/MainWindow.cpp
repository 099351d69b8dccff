// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QUndoStack>

#include "ui/HelpPage.h"
#include "ui/Pictures.h"
#include "ui/QtConvert.h"
#include "ui/Settings.h"
#include "ui/StandardKeys.h"
#include "ui/StatusLine.h"
#include "ui/TabControl.h"
#include "ui/TabOrder.h"
#include "ui/Twips.h"
#include "ui/WarningBox.h"
#include "ui/analysis/PastResultsPanel.h"
#include "ui/calc/CalculatorPanel.h"
#include "ui/calc/OutputListView.h"
#include "ui/charts/ChartSet.h"
#include "ui/edit/HistoryEditor.h"
#include "ui/edit/SpinEntry.h"
#include "ui/files/DocumentCommands.h"
#include "ui/grid/ResultsGrid.h"
#include "ui/main/MainPage.h"
#include "ui/recovery/RecoveryJournal.h"
#include "ui/recovery/RecoveryOffer.h"
#include "ui/stats/WheelBiasWindow.h"
#include "ui/widgets/FlexGrid.h"

namespace orvanta {

namespace {

constexpr const char* kPageCaptions[kTabPageCount] = {
    "Main", "Statistics Summary", "Color",      "High/Low", "Even/Odd", "n 12", "Row", "Column",
    "n 6",  "Wheel Sector",       "Calculator", "Help",
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      numberTable_(BuildNumberTable()),
      journal_(new RecoveryJournal(RecoveryJournal::DefaultFolder(), this)),
      editor_(new HistoryEditor(model_, *journal_, this)) {
    setObjectName("Form1");
    setWindowIcon(WindowIcon());
    QFont font("Liberation Sans");
    font.setPointSizeF(8.25);
    setFont(font);
    connect(journal_, &RecoveryJournal::failed, this, &MainWindow::ShowRecoveryOff);

    TabOrder tabOrder;
    CreateTabs();
    mainPage_ = new MainPage(model_, page(TabPage::Main), tabOrder);
    spinEntry_ = new SpinEntry(this, *editor_, *mainPage_,
                               [this] { return tabs_->currentIndex() == static_cast<int>(TabPage::Main); });
    documents_ = new DocumentCommands(this, *editor_, statusLine(), [this] { return exiting_; });
    charts_ = new ChartSet(tabs_, tabOrder);
    calculatorPanel_ = new CalculatorPanel(page(TabPage::Calculator));
    tabOrder.Set(calculatorPanel_->removeButton(), 39);
    tabOrder.Set(calculatorPanel_->input(), 40);
    tabOrder.Set(calculatorPanel_->grid(), 41);
    tabOrder.Set(calculatorPanel_->evaluateButton(), 42);
    tabOrder.Set(calculatorPanel_->output(), 45);
    helpView_ = CreateHelpView(page(TabPage::Help));
    tabOrder.Set(helpView_, 47);
    tabOrder.Apply();
    CreateMenus();

    // Every view follows the history's one change signal.
    ResultsGrid* grid = mainPage_->resultsGrid();
    connect(editor_, &HistoryEditor::changed, grid, &ResultsGrid::FollowHistory);
    connect(editor_, &HistoryEditor::changed, this, [this] { charts_->UpdateCharts(model_.Tallies()); });
    connect(editor_, &HistoryEditor::changed, statusLine(), &StatusLine::CountChanged);
    connect(tabs_, &QTabWidget::currentChanged, spinEntry_, &SpinEntry::Cancel);
    connect(mainPage_->pastResults(), &PastResultsPanel::message, statusLine(), &StatusLine::Post);
    connect(calculatorPanel_, &CalculatorPanel::errorExplained, statusLine(), &StatusLine::Post);
    connect(mainPage_->themeSlider(), &QSlider::valueChanged, this,
            [](int theme) { Settings().setValue(Settings::kTheme, theme); });

    RunStartup();
}

MainWindow::~MainWindow() = default;

// The start-up, in its fixed order. The history starts empty and the number table was
// built with the window's members, before any of this.
void MainWindow::RunStartup() {
    // The theme of the last run, when there was one; the slider's own start otherwise.
    QSlider* theme = mainPage_->themeSlider();
    if (const QVariant saved = Settings().value(Settings::kTheme); saved.isValid()) {
        const QSignalBlocker quiet(theme);
        theme->setValue(saved.toInt());
    }
    mainPage_->ApplyTheme();
    mainPage_->pastResults()->FillCategories();
    mainPage_->ArrangeTableNameLabels();
    mainPage_->resultsGrid()->SetColumnWidths();
    mainPage_->pastResults()->SetColumnWidths();
    mainPage_->resultsGrid()->WriteHeaders();
    calculatorPanel_->InitCalculator();
    LoadHelpPage(helpView_, HelpFileCandidates());
}

void MainWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnu_File");
    file->setAccessibleName("File");
    documents_->AddTo(file);
    file->addSeparator()->setObjectName("mnu_sep1");
    QAction* exit = file->addAction("E&xit");
    exit->setObjectName("mnu_Exit");
    exit->setShortcuts(QKeySequence::Quit);
    // Closing asks about unsaved spins; the program ends once the window has closed.
    connect(exit, &QAction::triggered, this, [this] {
        if (close()) {
            QCoreApplication::exit(0);
        }
    });

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnu_Edit");
    edit->setAccessibleName("Edit");
    QAction* undo = editor_->undoStack()->createUndoAction(edit, "&Undo");
    undo->setObjectName("mnu_Undo");
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = editor_->undoStack()->createRedoAction(edit, "&Redo");
    redo->setObjectName("mnu_Redo");
    redo->setShortcuts(StandardKeys(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)));
    edit->addActions({undo, redo});
    edit->addSeparator()->setObjectName("mnu_sep2");
    QAction* paste = edit->addAction("Paste &Spins");
    paste->setObjectName("mnu_PasteSpins");
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(paste, &QAction::triggered, spinEntry_, &SpinEntry::PasteSpins);

    QMenu* statistics = menuBar()->addMenu("&Statistics");
    statistics->setObjectName("mnu_Statistics");
    statistics->setAccessibleName("Statistics");
    QAction* wheelBias = statistics->addAction("&Wheel Bias...");
    wheelBias->setObjectName("mnu_WheelBias");
    wheelBias->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(wheelBias, &QAction::triggered, this, &MainWindow::ShowWheelBias);
}

void MainWindow::ShowWheelBias() {
    if (wheelBias_ == nullptr) {
        wheelBias_ = new WheelBiasWindow(model_, this);
        connect(editor_, &HistoryEditor::changed, wheelBias_, &WheelBiasWindow::HistoryChanged);
    }
    wheelBias_->setWindowState(wheelBias_->windowState() & ~Qt::WindowMinimized);
    wheelBias_->show();
    wheelBias_->raise();
    wheelBias_->activateWindow();
}

// The tab control fills the client area but for the layout's one-pixel edge; its pages
// are never smaller than at the first size.
void MainWindow::CreateTabs() {
    auto* client = new QWidget(this);
    client->setObjectName("clientArea");
    setCentralWidget(client);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, TwipsToPixels(kClientWidthTwips - TabControl::kWidthTwips),
                                     TwipsToPixels(kClientHeightTwips - TabControl::kHeightTwips));

    tabs_ = new TabControl(client);
    tabs_->setObjectName("SSTab1");
    tabs_->setAccessibleName("Pages");
    tabs_->setMinimumSize(TwipsRect(0, 0, TabControl::kWidthTwips, TabControl::kHeightTwips).size());
    clientLayout->addWidget(tabs_);
    for (const char* caption : kPageCaptions) {
        auto* pageWidget = new QWidget;
        pageWidget->setAccessibleName(caption);
        tabs_->addTab(pageWidget, caption);
    }
    tabs_->setCurrentIndex(static_cast<int>(TabPage::Main));
    resize(TwipsToPixels(kClientWidthTwips),
           TwipsToPixels(kClientHeightTwips) + menuBar()->sizeHint().height());
}

// Fitted before the first show creates the native window, so that the window manager
// places the window's frame, title bar included, inside the screen. The place and size
// of the last run come back after that.
void MainWindow::setVisible(bool visible) {
    if (visible && !fittedOnScreen_) {
        fittedOnScreen_ = true;
        FitOnScreen();
        if (const QByteArray geometry = Settings().value(Settings::kWindowGeometry).toByteArray();
            !geometry.isEmpty()) {
            restoreGeometry(geometry);
        }
    }
    QMainWindow::setVisible(visible);
}

// On a screen too small for the window's first size (a high scale factor on a small
// screen) the window would open partly off the screen, its menu out of reach. There the
// pages go into a scroll area and the window into the screen's free area, so every
// control can still be reached. Wherever the window fits, it opens at its first size.
void MainWindow::FitOnScreen() {
    const QRect available = screen()->availableGeometry();
    // The frame is not known before the window manager has framed the window; allow
    // for a title bar and a border on each side.
    constexpr int kFrameBorder = 4;
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize decoration(2 * kFrameBorder, titleBar + 2 * kFrameBorder);
    const QSize full = size();
    const QSize needed = full + decoration;
    if (needed.width() <= available.width() && needed.height() <= available.height()) {
        return;
    }
    auto* pages = new QScrollArea(this);
    pages->setObjectName("pageScroller");
    pages->setFrameShape(QFrame::NoFrame);
    pages->setWidgetResizable(true);
    pages->setWidget(takeCentralWidget());
    setCentralWidget(pages);
    resize((available.size() - decoration).boundedTo(full));
    move(available.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !documents_->ConfirmUnsavedSpins(NextStep::Exiting)) {
        event->ignore();
        return;
    }
    // Saved, discarded or nothing to save: a clean end. A load or save in progress
    // stops at its next record.
    exiting_ = true;
    Settings().setValue(Settings::kWindowGeometry, saveGeometry());
    journal_->EndCleanly();
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // Asked once the window is on the screen, so the question has its window.
        QTimer::singleShot(0, this, &MainWindow::OfferStartupRecovery);
    }
}

void MainWindow::OfferStartupRecovery() {
    ShowRecoveryOff();
    const QString restored = OfferRecovery(this, *journal_, [this](const JournalContents& contents) {
        spinEntry_->Cancel();
        editor_->Restore(contents.spins, FromStd(contents.file));
    });
    if (!restored.isEmpty()) {
        statusLine()->Post(restored);
    }
}

// Said once, when the window is on the screen; the program works on without it.
void MainWindow::ShowRecoveryOff() {
    if (journal_->failure().isEmpty() || recoveryOffShown_ || !isVisible()) {
        return;
    }
    recoveryOffShown_ = true;
    ShowWarning(this,
                QStringLiteral("Crash recovery is off: %1. Spins are still recorded, but a crash would lose "
                               "those not saved.")
                    .arg(journal_->failure()),
                "recoveryMessage");
}

void MainWindow::AddResult(int n) {
    spinEntry_->Enter(n);
}

void MainWindow::RecordSpins(std::span<const int> spins, const QString& text) {
    spinEntry_->RecordSpins(spins, text);
}

void MainWindow::CalcPastResults() {
    mainPage_->pastResults()->CalcPastResults();
}

bool MainWindow::LoadResultsFileFrom(const QString& path) {
    return documents_->LoadResultsFileFrom(path);
}

bool MainWindow::SaveResultsFileTo(const QString& path) {
    return documents_->SaveResultsFileTo(path);
}

QWidget* MainWindow::page(TabPage which) const {
    return tabs_->widget(static_cast<int>(which));
}

StatusLine* MainWindow::statusLine() const {
    return mainPage_->statusLine();
}

}  // namespace orvanta
