// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTextBrowser>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <ranges>

#include "core/analysis/PastResults.h"
#include "core/model/Category.h"
#include "core/model/SpinList.h"

#include "ui/HelpPage.h"
#include "ui/LayoutTables.h"
#include "ui/Pictures.h"
#include "ui/QtConvert.h"
#include "ui/StatusLine.h"
#include "ui/TabControl.h"
#include "ui/ThemeTable.h"
#include "ui/Twips.h"
#include "ui/WarningBox.h"
#include "ui/analysis/SearchGrids.h"
#include "ui/calc/CalculatorPanel.h"
#include "ui/calc/OutputListView.h"
#include "ui/charts/StatChart.h"
#include "ui/edit/HistoryEditor.h"
#include "ui/edit/KeyboardEntry.h"
#include "ui/edit/PendingInsert.h"
#include "ui/files/ResultsFileView.h"
#include "ui/files/SaveQuestion.h"
#include "ui/files/SpinCount.h"
#include "ui/grid/ResultsGrid.h"
#include "ui/recovery/RecoveryJournal.h"
#include "ui/recovery/RecoveryOffer.h"
#include "ui/stats/WheelBiasWindow.h"
#include "ui/widgets/ClickArea.h"
#include "ui/widgets/FlexGrid.h"
#include "ui/widgets/SliderValue.h"

namespace orvanta {

namespace {

constexpr const char* kCaption = "Orvanta  v1.2";

constexpr const char* kPageCaptions[kTabPageCount] = {
    "Main", "Statistics Summary", "Color",      "High/Low", "Even/Odd", "n 12", "Row", "Column",
    "n 6",  "Wheel Sector",       "Calculator", "Help",
};

// The analysis list, in the order the user sees it.
constexpr const char* kAnalysisCategories[] = {"Number", "Color", "Even / Odd", "High / Low",
                                               "n 12",   "n 6",   "Row",        "Column"};

// The desktop's standard shortcut beside the caption's mnemonic.
QAction* AddMenuAction(QMenu* menu, const QString& objectName, const QString& caption,
                       QKeySequence::StandardKey shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setShortcuts(shortcut);
    return action;
}

QSlider* MakeSlider(QWidget* page, const QString& name, const QString& accessibleName, int minimum,
                    int maximum, int value) {
    auto* slider = Named(new QSlider(Qt::Horizontal, page), name, accessibleName);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    return slider;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), numberTable_(BuildNumberTable()) {
    setObjectName("Form1");
    setWindowTitle(kCaption);
    setWindowIcon(WindowIcon());
    QFont font("Liberation Sans");
    font.setPointSizeF(8.25);
    setFont(font);

    editor_ = new HistoryEditor(model_, this);
    journal_ = new RecoveryJournal(RecoveryJournal::DefaultFolder(), this);
    editor_->setJournal(journal_);
    pendingInsert_ = new PendingInsert(this);
    connect(editor_, &HistoryEditor::changed, this, &MainWindow::FollowHistory);
    connect(editor_, &HistoryEditor::stateChanged, this, &MainWindow::UpdateCaption);
    connect(journal_, &RecoveryJournal::failed, this, &MainWindow::ShowRecoveryOff);
    connect(pendingInsert_, &PendingInsert::stateChanged, this, &MainWindow::ShowPendingInsert);

    CreateMenu();
    CreateStatisticsMenu();
    CreateTabs();
    CreateMainPage();
    CreateKeyboardEntry();
    CreateCharts();
    calculatorPanel_ = new CalculatorPanel(page(TabPage::Calculator));
    SetTabIndex(calculatorPanel_->removeButton(), 39);
    SetTabIndex(calculatorPanel_->input(), 40);
    SetTabIndex(calculatorPanel_->grid(), 41);
    SetTabIndex(calculatorPanel_->evaluateButton(), 42);
    SetTabIndex(calculatorPanel_->output(), 45);
    CreateHelpPage();
    ApplyTabOrder();

    // Fixed client area below the menu bar; the window is laid out once and never resized.
    centralWidget()->setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The start-up, in its fixed order. The history starts empty and the number table
    // was built with the window's members, before any of this.
    ApplyTheme();
    for (const char* category : kAnalysisCategories) {
        categoryBox_->addItem(category);
    }
    categoryBox_->setCurrentIndex(categoryBox_->findText("Color"));
    ArrangeTableNameLabels();
    resultsGrid_->SetColumnWidths();
    searchGrids_->SetColumnWidths();
    resultsGrid_->WriteHeaders();
    calculatorPanel_->InitCalculator();
    LoadHelpPage(helpView_, HelpFileCandidates());
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnu_File");
    file->setAccessibleName("File");
    connect(AddMenuAction(file, "mnu_Open", "&Open", QKeySequence::Open), &QAction::triggered, this,
            &MainWindow::LoadResultsFile);
    connect(AddMenuAction(file, "mnu_Save", "&Save", QKeySequence::Save), &QAction::triggered, this,
            &MainWindow::SaveResultsFile);
    file->addSeparator()->setObjectName("mnu_sep1");
    QAction* exit = AddMenuAction(file, "mnu_Exit", "E&xit", QKeySequence::Quit);
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
    redo->setShortcuts(QKeySequence::Redo);
    edit->addActions({undo, redo});
    edit->addSeparator()->setObjectName("mnu_sep2");
    QAction* paste = edit->addAction("Paste &Spins");
    paste->setObjectName("mnu_PasteSpins");
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(paste, &QAction::triggered, this, &MainWindow::PasteSpins);
}

void MainWindow::CreateStatisticsMenu() {
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
        connect(this, &MainWindow::historyChanged, wheelBias_, &WheelBiasWindow::HistoryChanged);
    }
    wheelBias_->setWindowState(wheelBias_->windowState() & ~Qt::WindowMinimized);
    wheelBias_->show();
    wheelBias_->raise();
    wheelBias_->activateWindow();
}

void MainWindow::CreateTabs() {
    auto* client = new QWidget(this);
    client->setObjectName("clientArea");
    setCentralWidget(client);

    tabs_ = new TabControl(client);
    tabs_->setObjectName("SSTab1");
    tabs_->setAccessibleName("Pages");
    tabs_->setGeometry(TwipsRect(0, 0, 11850, 8010));
    for (const char* caption : kPageCaptions) {
        auto* pageWidget = new QWidget;
        pageWidget->setAccessibleName(caption);
        tabs_->addTab(pageWidget, caption);
    }
    tabs_->setCurrentIndex(static_cast<int>(TabPage::Main));
    connect(tabs_, &QTabWidget::currentChanged, pendingInsert_, &PendingInsert::Cancel);
}

void MainWindow::CreateKeyboardEntry() {
    keyboardEntry_ =
        new KeyboardEntry(this, [this] { return tabs_->currentIndex() == static_cast<int>(TabPage::Main); });
    // Digits typed before a click or a correction do not wait for an Enter that means
    // something else by then.
    connect(tabs_, &QTabWidget::currentChanged, keyboardEntry_, &KeyboardEntry::Clear);
    connect(this, &MainWindow::historyChanged, keyboardEntry_, &KeyboardEntry::Clear);
    connect(keyboardEntry_, &KeyboardEntry::typedChanged, this, [this](const QString& typed) {
        if (pendingInsert_->isActive()) {
            ShowPendingInsert();
            return;
        }
        statusLine_->SetPrompt(typed.isEmpty()
                                   ? QString()
                                   : QStringLiteral("Typed: %1 (Enter records it, Esc cancels)").arg(typed));
    });
    connect(keyboardEntry_, &KeyboardEntry::entered, this, [this](int n) {
        if (pendingInsert_->isActive()) {
            InsertChosen(n);
            return;
        }
        AddResult(n);
        ShowStatus(editor_->isLoading()
                       ? QStringLiteral("%1 is recorded after the spins of the file being read.").arg(n)
                       : QStringLiteral("Recorded %1 as spin %2.").arg(n).arg(model_.SpinCount()));
    });
    connect(keyboardEntry_, &KeyboardEntry::refused, this, &MainWindow::ShowStatus);
    connect(keyboardEntry_, &KeyboardEntry::cancelled, pendingInsert_, &PendingInsert::Cancel);
    // Digits typed before an insertion began, or for one that has ended, are not its number.
    connect(pendingInsert_, &PendingInsert::stateChanged, keyboardEntry_, &KeyboardEntry::Clear);
}

void MainWindow::PasteSpins() {
    const SpinList list = ParseSpinList(QGuiApplication::clipboard()->text().toStdString());
    if (!list.ok()) {
        ShowStatus(QStringLiteral("Nothing was pasted: entry %1, \"%2\", is not a wheel number (0 to 36).")
                       .arg(list.badPosition)
                       .arg(FromStd(list.badEntry)));
        return;
    }
    if (list.spins.empty()) {
        ShowStatus("Nothing was pasted: the clipboard holds no spins.");
        return;
    }
    const QString spins = SpinCountText(static_cast<long long>(list.spins.size()));
    RecordSpins(list.spins, QStringLiteral("Paste %1").arg(spins));
    ShowStatus(QStringLiteral("Pasted %1; Edit > Undo takes them back.").arg(spins));
}

// Created from the bottom of the stack to the top: pictures, click areas and labels
// first, the windowed controls last so that they lie above them.
void MainWindow::CreateMainPage() {
    QWidget* main = page(TabPage::Main);

    backgroundPicture_ = Named(new QLabel(main), "imgTheme", "Background");
    backgroundPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TabControl::Place(backgroundPicture_, kBackgroundBox);

    tablePicture_ = Named(new QLabel(main), "imgTable", "Betting table");
    tablePicture_->setScaledContents(true);
    TabControl::Place(tablePicture_, kTablePictureBox);

    CreateTableAreas(main);

    for (int i = static_cast<int>(kTableNameShadowBoxes.size()); i >= 0; --i) {
        auto* label = Named(new QLabel("Table: Default", main), QStringLiteral("lblTableName_%1").arg(i),
                            i == 0 ? QStringLiteral("Table name") : QString());
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->installEventFilter(this);
        tableNameLabels_[static_cast<std::size_t>(i)] = label;
        if (i == 0) {
            QFont bold("Liberation Sans");
            bold.setPointSizeF(8.25);
            bold.setBold(true);
            label->setFont(bold);
            TabControl::Place(label, kTableNameBox);
            SetTabIndex(label, 8);
        } else {
            QPalette white = label->palette();
            white.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(white);
            TabControl::Place(label, kTableNameShadowBoxes[static_cast<std::size_t>(i - 1)]);
        }
    }

    resultsGrid_ = new ResultsGrid(model_, main);
    SetTabIndex(resultsGrid_->grid(), 33);
    SetTabIndex(resultsGrid_->scrollBar(), 36);

    connect(resultsGrid_, &ResultsGrid::removeRequested, this, &MainWindow::RemoveSelectedSpin);
    connect(resultsGrid_, &ResultsGrid::insertRequested, this, &MainWindow::BeginInsert);

    // Pressed in while it waits for the number to insert; a second click cancels.
    insertButton_ = Named(new QPushButton("Insert Item", main), "cmdInsertResult", "Insert Item");
    insertButton_->setCheckable(true);
    TabControl::Place(insertButton_, 1800, 5880, 1575, 375);
    SetTabIndex(insertButton_, 1);
    connect(insertButton_, &QPushButton::clicked, this, [this] {
        if (pendingInsert_->isActive()) {
            pendingInsert_->Cancel();
        } else {
            BeginInsert();
        }
    });
    auto* remove = Named(new QPushButton("Remove Item", main), "cmdRemoveItem", "Remove Item");
    TabControl::Place(remove, 3480, 5880, 1575, 375);
    SetTabIndex(remove, 2);
    connect(remove, &QPushButton::clicked, this, &MainWindow::RemoveSelectedSpin);

    statusLine_ = new StatusLine([this] { return model_.SpinCount(); }, main);
    TabControl::Place(statusLine_, kMessagesBox);
    SetTabIndex(statusLine_, 46);
    connect(this, &MainWindow::historyChanged, statusLine_, &StatusLine::CountChanged);

    categoryBox_ = Named(new QComboBox(main), "cboPastResults", "Analysis category");
    categoryBox_->setEditable(true);
    categoryBox_->setInsertPolicy(QComboBox::NoInsert);
    // The category is the exact text typed: no completion while typing, and without a
    // completer leaving the box matches the list case-sensitively, changing nothing.
    categoryBox_->setCompleter(nullptr);
    categoryBox_->setEditText("Color");
    TabControl::Place(categoryBox_, 5400, 720, 1575, 315);
    SetTabIndex(categoryBox_, 6);

    searchGrids_ = new SearchGrids(main, [this] { return categoryBox_->currentText(); });
    SetTabIndex(searchGrids_->grid(1), 34);
    SetTabIndex(searchGrids_->grid(2), 35);
    SetTabIndex(searchGrids_->scrollBar(1), 37);
    SetTabIndex(searchGrids_->scrollBar(2), 38);

    runLengthSlider_ = MakeSlider(main, "sldLength", "Run length", 1, 20, 5);
    TabControl::Place(runLengthSlider_, 5400, 6225, 1530, 330);
    SetTabIndex(runLengthSlider_, 3);
    ShowSliderValue(runLengthSlider_, runLengthSlider_->accessibleName());
    depthSlider_ = MakeSlider(main, "sldDepth", "Recursion depth", 0, 15, 0);
    TabControl::Place(depthSlider_, 5415, 6930, 1530, 330);
    SetTabIndex(depthSlider_, 4);
    ShowSliderValue(depthSlider_, depthSlider_->accessibleName());

    auto* calculate = Named(new QPushButton("Calculate", main), "cmdPastResultsCalc", "Calculate");
    TabControl::Place(calculate, 5400, 7440, 1575, 375);
    SetTabIndex(calculate, 5);
    connect(calculate, &QPushButton::clicked, this, &MainWindow::CalcPastResults);

    themeSlider_ =
        MakeSlider(main, "sldTheme", "Theme", kFirstSelectableTheme, kLastSelectableTheme, kStartingTheme);
    TabControl::Place(themeSlider_, 7320, 960, 1815, 255);
    themeSlider_->setVisible(false);
    SetTabIndex(themeSlider_, 7);
    connect(themeSlider_, &QSlider::valueChanged, this, &MainWindow::ApplyTheme);
}

void MainWindow::CreateTableAreas(QWidget* main) {
    for (const HotSpot& spot : std::ranges::reverse_view(kHotSpots)) {
        auto* area = Named(new ClickArea(main), spot.objectName, QString("Choose %1").arg(spot.category));
        TabControl::Place(area, spot.box);
        const QString category = spot.category;
        connect(area, &ClickArea::clicked, this, [this, category] { categoryBox_->setEditText(category); });
    }
    // 0 ends on top, so where 8 and 9 overlap the click lands on 8.
    for (int n = kHighestNumber; n >= kLowestNumber; --n) {
        auto* area = Named(new ClickArea(main), QStringLiteral("TableNum_%1").arg(n),
                           QStringLiteral("Number %1").arg(n));
        TabControl::Place(area, kTableNumBoxes[static_cast<std::size_t>(n)]);
        connect(area, &ClickArea::clicked, this, [this, n] { AddResult(n); });
    }
}

void MainWindow::CreateCharts() {
    for (const ChartPlace& place : kChartPlaces) {
        auto* chart = new StatChart(place.kind, place.index, tabs_->widget(place.page));
        TabControl::Place(chart, place.box);
        SetTabIndex(chart, place.tabIndex);
        charts_.push_back(chart);
    }
    // Refreshed kind by kind, instance 0 first, in the order of the chart kinds.
    std::ranges::stable_sort(charts_, {}, [](const StatChart* chart) {
        return std::pair(chart->index(), static_cast<int>(chart->kind()));
    });
}

void MainWindow::CreateHelpPage() {
    helpView_ = Named(new QTextBrowser(page(TabPage::Help)), "RichText1", "Help");
    helpView_->setReadOnly(true);
    helpView_->setOpenLinks(false);
    TabControl::Place(helpView_, 120, 360, 11595, 7515);
    SetTabIndex(helpView_, 47);
}

// The slider's value is read afresh at every step: choosing theme 1 moves the slider
// to 2, which runs this whole handler for theme 2 before the outer run goes on.
void MainWindow::ApplyTheme() {
    tablePicture_->setPixmap(
        TablePicture(kThemeTable[static_cast<std::size_t>(themeSlider_->value() - 1)].tablePicture));
    backgroundPicture_->setPixmap(BackgroundPicture(1));
    if (themeSlider_->value() == 1) {
        themeSlider_->setValue(2);
    }
    const Theme& theme = kThemeTable[static_cast<std::size_t>(themeSlider_->value() - 1)];
    tableNameLabels_[0]->setText(FromStd(theme.caption));
    if (themeSlider_->value() >= 2 && theme.backgroundPicture != 0) {
        backgroundPicture_->setPixmap(BackgroundPicture(theme.backgroundPicture));
    }
    for (std::size_t i = 1; i < tableNameLabels_.size(); ++i) {
        tableNameLabels_[i]->setText(tableNameLabels_[0]->text());
    }
}

// The eight white copies lie one pixel off in the eight directions beneath the black
// caption, which draws it with a white outline.
void MainWindow::ArrangeTableNameLabels() {
    static constexpr QPoint kOffsets[] = {{-1, -1}, {1, 1}, {-1, 1}, {1, -1},
                                          {0, -1},  {0, 1}, {-1, 0}, {1, 0}};
    const QRect caption = tableNameLabels_[0]->geometry();
    for (std::size_t i = 1; i < tableNameLabels_.size(); ++i) {
        tableNameLabels_[i]->setGeometry(caption.translated(kOffsets[i - 1]));
        tableNameLabels_[i]->setFont(tableNameLabels_[0]->font());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        std::ranges::find(tableNameLabels_, watched) != tableNameLabels_.end()) {
        const int theme = themeSlider_->value();
        switch (static_cast<QMouseEvent*>(event)->button()) {
            case Qt::LeftButton:
                themeSlider_->setValue(theme < themeSlider_->maximum() ? theme + 1 : themeSlider_->minimum());
                break;
            case Qt::RightButton:
                themeSlider_->setValue(theme > themeSlider_->minimum() ? theme - 1 : themeSlider_->maximum());
                break;
            default:
                break;
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Fitted before the first show creates the native window, so that the window manager
// places the window's frame, title bar included, inside the screen.
void MainWindow::setVisible(bool visible) {
    if (visible && !fittedOnScreen_) {
        fittedOnScreen_ = true;
        FitOnScreen();
    }
    QMainWindow::setVisible(visible);
}

// On a screen too small for the window (a high scale factor on a small screen) the window
// would open partly off the screen, its menu out of reach. There the pages go into a
// scroll area and the window into the screen's free area, so every control can still be
// reached. Wherever the window fits, it stays exactly as laid out.
void MainWindow::FitOnScreen() {
    const QRect available = screen()->availableGeometry();
    // The frame is not known before the window manager has framed the window; allow
    // for a title bar and a border on each side.
    constexpr int kFrameBorder = 4;
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize decoration(2 * kFrameBorder, titleBar + 2 * kFrameBorder);
    const QSize full = sizeHint();
    const QSize needed = full + decoration;
    if (needed.width() <= available.width() && needed.height() <= available.height()) {
        return;
    }
    auto* pages = new QScrollArea(this);
    pages->setObjectName("pageScroller");
    pages->setFrameShape(QFrame::NoFrame);
    pages->setWidget(takeCentralWidget());
    setCentralWidget(pages);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(full);
    resize((available.size() - decoration).boundedTo(full));
    move(available.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !ConfirmUnsavedSpins()) {
        event->ignore();
        return;
    }
    // Saved, discarded or nothing to save: a clean end. A load or save in progress
    // stops at its next record.
    exiting_ = true;
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
        pendingInsert_->Cancel();
        editor_->Restore(contents.spins, FromStd(contents.file));
    });
    if (!restored.isEmpty()) {
        ShowStatus(restored);
    }
}

// Said once, when the window is on the screen; the program works on without it.
void MainWindow::ShowRecoveryOff() {
    if (journal_->failure().isEmpty() || recoveryOffShown_ || !isVisible()) {
        return;
    }
    recoveryOffShown_ = true;
    ShowFailure(QStringLiteral("Crash recovery is off: %1. Spins are still recorded, but a crash would lose "
                               "those not saved.")
                    .arg(journal_->failure()),
                "recoveryMessage");
}

bool MainWindow::ConfirmUnsavedSpins() {
    if (!editor_->isModified()) {
        return true;
    }
    switch (AskToSaveSpins(this, editor_->fileName(), model_.SpinCount())) {
        case SaveAnswer::Save:
            return SaveResultsFile();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

void MainWindow::SetTabIndex(QWidget* control, int index) {
    tabOrder_.emplace_back(index, control);
}

void MainWindow::ApplyTabOrder() {
    std::ranges::stable_sort(tabOrder_, {}, &std::pair<int, QWidget*>::first);
    QWidget* previous = nullptr;
    for (const auto& [index, control] : tabOrder_) {
        // Labels hold a place in the layout's numbering but never take focus.
        if ((control->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

void MainWindow::LoadResultsFile() {
    if (!ConfirmUnsavedSpins()) {
        return;
    }
    const QString path = fileDialog_.Choose(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty()) {
        LoadResultsFileFrom(path);
    }
}

bool MainWindow::SaveResultsFile() {
    const QString path = fileDialog_.Choose(this, QFileDialog::AcceptSave);
    return !path.isEmpty() && SaveResultsFileTo(path);
}

// The file is read beside the history and replaces it in one step: the views follow
// once, at the end. A spin entered meanwhile is recorded after the file's spins.
bool MainWindow::LoadResultsFileFrom(const QString& path) {
    return RunFileCommand([&] {
        editor_->BeginLoad();
        const TransferOutcome outcome = orvanta::LoadResultsFile(
            path, {[this](std::span<const std::int8_t> spins) { editor_->AppendLoaded(spins); },
                   [this] { return exiting_; }});
        const int waited =
            outcome.replaced && !exiting_ ? editor_->EndLoad(path, outcome.ok) : editor_->AbandonLoad();
        if (outcome.ok) {
            ShowStatus(QStringLiteral("Loaded %1 from \"%2\".")
                           .arg(SpinCountText(outcome.spins), QFileInfo(path).fileName()));
        } else if (!outcome.message.isEmpty()) {
            ShowStatus(outcome.message);
            ShowFailure(outcome.message);
        }
        if (waited > 0) {
            ShowStatus(QStringLiteral("%1 entered while the file was read %2 recorded after its spins.")
                           .arg(SpinCountText(waited), waited == 1 ? "was" : "were"));
        }
        return outcome.ok;
    });
}

bool MainWindow::SaveResultsFileTo(const QString& path) {
    return RunFileCommand([&] {
        const quint64 version = editor_->version();
        const TransferOutcome outcome = orvanta::SaveResultsFile(path, model_, [this] { return exiting_; });
        if (outcome.ok) {
            editor_->MarkSaved(path, editor_->version() == version);
            ShowStatus(QStringLiteral("Saved %1 to \"%2\".")
                           .arg(SpinCountText(outcome.spins), QFileInfo(path).fileName()));
        } else if (!outcome.message.isEmpty()) {
            ShowStatus(outcome.message);
            ShowFailure(outcome.message);
        }
        return outcome.ok;
    });
}

bool MainWindow::RunFileCommand(const std::function<bool()>& command) {
    if (fileCommandRunning_) {
        ShowFailure("A results file is being read or written; try again when it is done.");
        return false;
    }
    fileCommandRunning_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = command();
    QApplication::restoreOverrideCursor();
    fileCommandRunning_ = false;
    return ok;
}

void MainWindow::ShowFailure(const QString& message, const QString& name) {
    ShowWarning(this, message, name);
}

QWidget* MainWindow::page(TabPage which) const {
    return tabs_->widget(static_cast<int>(which));
}

void MainWindow::ShowStatus(const QString& text) {
    if (!text.isEmpty()) {
        statusLine_->Post(text);
    }
}

void MainWindow::UpdateCaption() {
    const QString file = editor_->fileName();
    if (file.isEmpty()) {
        // The plain caption has no place for the mark; the window still knows.
        setWindowTitle(kCaption);
        setAttribute(Qt::WA_WindowModified, editor_->isModified());
        return;
    }
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(QFileInfo(file).fileName(), kCaption));
    setWindowModified(editor_->isModified());
}

void MainWindow::AddResult(int n) {
    if (!IsWheelNumber(n)) {
        return;
    }
    if (pendingInsert_->isActive()) {
        InsertChosen(n);
        return;
    }
    const auto spin = static_cast<std::int8_t>(n);
    editor_->Record({&spin, 1});
}

void MainWindow::RecordSpins(std::span<const int> spins, const QString& text) {
    std::vector<std::int8_t> valid;
    valid.reserve(spins.size());
    for (const int n : spins) {
        if (IsWheelNumber(n)) {
            valid.push_back(static_cast<std::int8_t>(n));
        }
    }
    pendingInsert_->Cancel();
    editor_->Record(valid, text);
}

// Every change of the history, by hand, by undo or by a load, reaches the views here.
void MainWindow::FollowHistory(const HistoryChange& change) {
    // A waiting insertion aims at a spin that may have moved.
    pendingInsert_->Cancel();
    if (change.replaced) {
        resultsGrid_->SelectSlot(0);
    } else {
        resultsGrid_->FollowChange(change.position, change.removed, change.inserted);
    }
    resultsGrid_->UpdateGridMain();
    UpdateCharts();
    emit historyChanged();
}

void MainWindow::RemoveSelectedSpin() {
    const int slot = resultsGrid_->SelectedSlot();
    if (slot == 0) {
        ShowStatus("There is no spin to remove.");
        return;
    }
    const int n = model_.SpinAt(slot);
    editor_->Remove(slot);
    ShowStatus(QStringLiteral("Removed spin %1 (%2). Edit > Undo puts it back.").arg(slot).arg(n));
}

void MainWindow::BeginInsert() {
    const int slot = resultsGrid_->SelectedSlot();
    if (slot == 0) {
        insertButton_->setChecked(false);
        ShowStatus("There is no spin to insert before: click a number on the table to record it.");
        return;
    }
    pendingInsert_->Start(slot);
}

void MainWindow::ShowPendingInsert() {
    insertButton_->setChecked(pendingInsert_->isActive());
    if (!pendingInsert_->isActive()) {
        statusLine_->SetPrompt({});
        return;
    }
    const int slot = pendingInsert_->position();
    QString text = QStringLiteral(
                       "Insert before spin %1 (%2): click the number on the table, or type it and press "
                       "Enter. Esc cancels.")
                       .arg(slot)
                       .arg(model_.SpinAt(slot));
    if (!keyboardEntry_->typed().isEmpty()) {
        text += QStringLiteral(" Typed: %1").arg(keyboardEntry_->typed());
    }
    statusLine_->SetPrompt(text);
}

void MainWindow::InsertChosen(int n) {
    const int position = pendingInsert_->position();
    pendingInsert_->Cancel();
    editor_->Insert(position, n);
    ShowStatus(QStringLiteral("Inserted %1 as spin %2.").arg(n).arg(position));
}

void MainWindow::UpdateCharts() {
    for (StatChart* chart : charts_) {
        chart->UpdateFrom(model_.Tallies());
    }
}

void MainWindow::CalcPastResults() {
    searchGrids_->Clear();
    const int runLength = runLengthSlider_->value();
    const int recursionDepth = depthSlider_->value();
    searchGrids_->SetLists(
        SearchPastResults(model_, categoryBox_->currentText().toStdString(), runLength, recursionDepth));
    searchGrids_->UpdateSearch1();
    searchGrids_->UpdateSearch2();
    if (const std::string note = UnknownCategoryNote(categoryBox_->currentText().toStdString());
        !note.empty()) {
        statusLine_->Post(FromStd(note));
    }
}

}  // namespace orvanta
