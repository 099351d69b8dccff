// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/WheelBiasWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "core/stats/BiasText.h"
#include "core/stats/EvidenceText.h"
#include "core/stats/WheelBiasCsv.h"
#include "core/stats/WheelClassifications.h"

#include "ui/QtConvert.h"
#include "ui/Settings.h"
#include "ui/WarningBox.h"
#include "ui/files/CheckedFileWriter.h"
#include "ui/stats/BiasChart.h"
#include "ui/stats/EvidenceChart.h"
#include "ui/stats/NumberFiguresModel.h"
#include "ui/stats/VerdictRunner.h"

namespace orvanta {

namespace {

QString Paragraph(const std::string& text) {
    return QStringLiteral("<p>%1</p>").arg(FromStd(text).toHtmlEscaped());
}

QString ListItem(const std::string& text) {
    return QStringLiteral("<li>%1</li>").arg(FromStd(text).toHtmlEscaped());
}

QString Heading(const QString& text) {
    return QStringLiteral("<h4>%1</h4>").arg(text);
}

}  // namespace

WheelBiasWindow::WheelBiasWindow(const SpinModel& model, QWidget* parent)
    // A dialog's window stays above the main window, so that clicking spins there
    // never hides the figures that follow them; it is not modal, and may be moved
    // beside the main window, resized and maximized like any window.
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint), model_(model) {
    setObjectName("frmWheelBias");
    setAccessibleName("Wheel Bias");
    setWindowTitle("Wheel Bias");
    // Fits the screen it opens on, at any scale; the panes share what there is.
    QSize size(960, 720);
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableSize() * 0.9);
    }
    resize(size);
    CreateControls();

    refreshTimer_.setSingleShot(true);
    connect(&refreshTimer_, &QTimer::timeout, this, &WheelBiasWindow::Refresh);
    simulation_ = new VerdictRunner(this);
    connect(simulation_, &VerdictRunner::finished, this, &WheelBiasWindow::ShowSummary);
    simulationTimer_.setSingleShot(true);
    connect(&simulationTimer_, &QTimer::timeout, this, &WheelBiasWindow::StartSimulation);
}

WheelBiasWindow::~WheelBiasWindow() = default;

void WheelBiasWindow::CreateControls() {
    evidenceHeadline_ = Named(new QLabel(this), "lblEvidence", "Evidence against a fair wheel");
    QFont headline = evidenceHeadline_->font();
    headline.setBold(true);
    headline.setPointSizeF(headline.pointSizeF() + 2);
    evidenceHeadline_->setFont(headline);
    evidenceDetail_ = Named(new QLabel(this), "lblEvidenceDetail", "What carries the evidence");
    evidenceDetail_->setWordWrap(true);
    for (QLabel* label : {evidenceHeadline_, evidenceDetail_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    evidenceChart_ = Named(new EvidenceChart(this), "chtEvidence", "Evidence over the spins");
    evidenceChart_->setMinimumHeight(100);

    windowBox_ = Named(new QComboBox(this), "cboBiasWindow", "Spins studied");
    for (const SpinWindow window : kSpinWindows) {
        windowBox_->addItem(FromStd(WindowChoiceText(window)));
    }
    halfBox_ = Named(new QComboBox(this), "cboBiasHalf", "Part studied");
    for (const SpanHalf half : kSpanHalves) {
        halfBox_->addItem(FromStd(HalfChoiceText(half)));
    }
    halfBox_->setToolTip("Compare the halves: a lasting bias shows in both, a passing run in one.");
    // The choices of the last run come back; each new choice is kept for the next.
    for (const auto& choice :
         {std::pair(windowBox_, Settings::kBiasSpins), std::pair(halfBox_, Settings::kBiasPart)}) {
        QComboBox* box = choice.first;
        const char* key = choice.second;
        const int kept = Settings().value(key, 0).toInt();
        box->setCurrentIndex(kept >= 0 && kept < box->count() ? kept : 0);
        connect(box, &QComboBox::currentIndexChanged, this,
                [key](int index) { Settings().setValue(key, index); });
        connect(box, &QComboBox::currentIndexChanged, this, &WheelBiasWindow::ChoiceChanged);
    }
    auto* windowLabel = new QLabel("&Spins:", this);
    windowLabel->setBuddy(windowBox_);
    auto* halfLabel = new QLabel("&Part:", this);
    halfLabel->setBuddy(halfBox_);
    spanLabel_ = Named(new QLabel(this), "lblBiasSpan", "Span studied");
    spanLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* choices = new QHBoxLayout;
    choices->addWidget(windowLabel);
    choices->addWidget(windowBox_);
    choices->addSpacing(12);
    choices->addWidget(halfLabel);
    choices->addWidget(halfBox_);
    choices->addSpacing(12);
    choices->addWidget(spanLabel_, 1);

    CreateTable();
    chart_ = Named(new BiasChart(this), "chtBiasCounts", "Counts in wheel order");
    chart_->setMinimumHeight(120);
    summary_ = Named(new QTextBrowser(this), "txtBiasSummary", "Tests in plain words");
    summary_->setOpenLinks(false);

    // The chart spans the window, so that 37 pockets have room for their labels;
    // below it the table at its own width and the summary beside it.
    auto* lower = new QSplitter(Qt::Horizontal, this);
    lower->addWidget(table_);
    lower->addWidget(summary_);
    lower->setStretchFactor(1, 1);
    lower->setChildrenCollapsible(false);
    // The table at its full width, unless that leaves the summary too little room.
    const int tableShare = std::min(tableWidth_, width() * 3 / 5);
    lower->setSizes({tableShare, width() - tableShare});
    // The span's choices stand over the counts they choose.
    auto* span = new QWidget(this);
    auto* spanLayout = new QVBoxLayout(span);
    spanLayout->setContentsMargins(0, 4, 0, 0);
    spanLayout->addLayout(choices);
    spanLayout->addWidget(chart_, 1);
    auto* body = new QSplitter(Qt::Vertical, this);
    body->addWidget(evidenceChart_);
    body->addWidget(span);
    body->addWidget(lower);
    body->setStretchFactor(0, 2);
    body->setStretchFactor(1, 3);
    body->setStretchFactor(2, 4);
    body->setSizes({height() * 2 / 9, height() * 3 / 9, height() * 4 / 9});
    body->setChildrenCollapsible(false);

    auto* buttons = new QDialogButtonBox(this);
    exportButton_ =
        Named(buttons->addButton("&Export...", QDialogButtonBox::ActionRole), "cmdBiasExport", "Export");
    exportButton_->setToolTip("Save the table and the tests as a CSV file for a spreadsheet.");
    auto* close = Named(buttons->addButton(QDialogButtonBox::Close), "cmdBiasClose", "Close");
    connect(exportButton_, &QPushButton::clicked, this, &WheelBiasWindow::Export);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(evidenceHeadline_);
    layout->addWidget(evidenceDetail_);
    layout->addWidget(body, 1);
    layout->addWidget(buttons);
    windowBox_->setFocus();
}

void WheelBiasWindow::CreateTable() {
    figures_ = new NumberFiguresModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(figures_);
    sorted->setSortRole(NumberFiguresModel::kSortRole);
    table_ = Named(new QTableView(this), "grdBiasNumbers", "Figures of every number");
    table_->setModel(sorted);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    // Columns as wide as their widest figure from the start, so that they do not
    // jump while the counts grow.
    static constexpr const char* kWidest[NumberFiguresModel::kColumnCount] = {
        "00", "000,000", "000,000.0", "+00.00", "000,000", "0.00000"};
    const int iconRoom = table_->style()->pixelMetric(QStyle::PM_SmallIconSize) + 6;
    int tableWidth = table_->frameWidth() * 2 + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < NumberFiguresModel::kColumnCount; ++column) {
        const int text = table_->fontMetrics().horizontalAdvance(kWidest[column]) + 12 +
                         (column == NumberFiguresModel::kNumberColumn ? iconRoom : 0);
        const int columnWidth = std::max(table_->horizontalHeader()->sectionSizeHint(column), text);
        table_->setColumnWidth(column, columnWidth);
        tableWidth += columnWidth;
    }
    tableWidth_ = tableWidth;
}

bool WheelBiasWindow::simulationRunning() const {
    return simulationTimer_.isActive() || simulation_->running();
}

void WheelBiasWindow::HistoryChanged() {
    FollowEvidence();
    stale_ = true;
    if (!isVisible() || refreshTimer_.isActive()) {
        return;
    }
    // A lone click is followed at once; a stream of them at most every kRefreshSpacingMs.
    const qint64 since = sinceRefresh_.isValid() ? sinceRefresh_.elapsed() : kRefreshSpacingMs;
    refreshTimer_.start(static_cast<int>(std::max<qint64>(0, kRefreshSpacingMs - since)));
}

void WheelBiasWindow::PlaceBesideMainWindow() {
    const QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (main == nullptr || !main->isVisible() || main->screen() == nullptr) {
        return;
    }
    const QRect screen = main->screen()->availableGeometry();
    const QRect mainFrame = main->frameGeometry();
    QRect placed(QPoint(), size());
    placed.moveTop(std::max(screen.top(), mainFrame.top()));
    placed.setHeight(std::min(placed.height(), screen.bottom() - placed.top()));
    const int roomRight = screen.right() - mainFrame.right();
    const int roomLeft = mainFrame.left() - screen.left();
    if (roomRight >= kNarrowestBeside) {
        placed.moveLeft(mainFrame.right() + 1);
        placed.setWidth(std::min(placed.width(), roomRight));
    } else if (roomLeft >= kNarrowestBeside) {
        placed.moveRight(mainFrame.left() - 1);
        placed.setLeft(std::max(placed.left(), screen.left()));
    } else {
        // No room beside it: over the main window's left part, leaving the betting
        // table on its right free for the clicks this window follows.
        placed.moveLeft(screen.left());
        const int tableLeft = mainFrame.left() + mainFrame.width() * 3 / 5;
        placed.setWidth(std::clamp(tableLeft - screen.left(), std::min(kNarrowestBeside, placed.width()),
                                   placed.width()));
    }
    setGeometry(placed);
}

void WheelBiasWindow::FollowEvidence() {
    const std::vector<std::int8_t>& spins = model_.Spins();
    const auto tracked = static_cast<std::size_t>(tracker_.spins());
    if (evidenceStale_ || model_.Rewrites() != trackedRewrites_ || spins.size() < tracked ||
        spins.size() - tracked > kFollowAtOnce) {
        evidenceStale_ = true;
        return;
    }
    for (std::size_t i = tracked; i < spins.size(); ++i) {
        tracker_.Add(spins[i]);
    }
}

void WheelBiasWindow::ShowEvidence() {
    if (evidenceStale_ || static_cast<std::size_t>(tracker_.spins()) != model_.Spins().size()) {
        tracker_ = EvidenceTracker(model_.Spins());
        trackedRewrites_ = model_.Rewrites();
        evidenceStale_ = false;
    }
    evidence_ = tracker_.Report();
    evidenceHeadline_->setText(FromStd(EvidenceHeadline(evidence_)));
    evidenceDetail_->setText(FromStd(EvidenceDetail(evidence_)));
    evidenceChart_->SetReport(evidence_);
}

void WheelBiasWindow::keyPressEvent(QKeyEvent* event) {
    // Only what no control took: Esc that closes an open list stays with the list.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WheelBiasWindow::ChoiceChanged() {
    scrollToVerdict_ = true;
    Refresh();
}

void WheelBiasWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        PlaceBesideMainWindow();
    }
    QWidget::showEvent(event);
    if (stale_) {
        Refresh();
    }
}

void WheelBiasWindow::hideEvent(QHideEvent* event) {
    // Nobody looks at a closed window: stop its work and study afresh when it opens.
    refreshTimer_.stop();
    simulationTimer_.stop();
    simulation_->Cancel();
    stale_ = true;
    QWidget::hideEvent(event);
}

void WheelBiasWindow::Refresh() {
    refreshTimer_.stop();
    ShowEvidence();
    const std::vector<std::int8_t>& history = model_.Spins();
    const SpinWindow window = kSpinWindows[static_cast<std::size_t>(std::max(0, windowBox_->currentIndex()))];
    const SpanHalf half = kSpanHalves[static_cast<std::size_t>(std::max(0, halfBox_->currentIndex()))];
    const std::span<const std::int8_t> spins = SpinsInSpan(history, window, half);
    report_ = ComputeWheelBias(spins);
    spanText_ = DescribeSpan(static_cast<std::int64_t>(history.size()), window, half,
                             static_cast<std::int64_t>(spins.size()));
    figures_->SetReport(report_);
    chart_->SetReport(report_);
    if (!simulation_->IsFor(report_)) {
        // What runs is for arcs no longer shown.
        simulation_->Cancel();
        simulationTimer_.start(kSimulationSettleMs);
    }
    spanLabel_->setText(FromStd(spanText_));
    ShowSummary();
    stale_ = false;
    sinceRefresh_.start();
}

void WheelBiasWindow::StartSimulation() {
    simulation_->Start(report_);
}

void WheelBiasWindow::ShowSummary() {
    const VerdictFindings* findings = simulation_->FindingsFor(report_);
    const SpanHalf half = kSpanHalves[static_cast<std::size_t>(std::max(0, halfBox_->currentIndex()))];
    const VerdictWords verdict = DescribeVerdict(report_, findings, half);
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(FromStd(verdict.headline).toHtmlEscaped());
    for (const std::string& note : verdict.notes) {
        html += Paragraph(note);
    }
    if (report_.spins > 0) {
        html += Heading("The numbers");
        html += Paragraph(NumbersTestText(report_));
        html += Paragraph(HottestNumberText(report_));
        html += Heading("Arcs of neighbouring pockets");
        html += "<p>The hottest stretch of the wheel of each length:</p><ul>";
        for (std::size_t i = 0; i < report_.arcs.size(); ++i) {
            const std::optional<double> p = findings != nullptr && i < findings->arcPValues.size()
                                                ? std::optional(findings->arcPValues[i])
                                                : std::nullopt;
            html += ListItem(ArcText(report_, i, p, kFairHistories));
        }
        html += "</ul>";
        html += Heading("The table's classifications");
        html += Paragraph(ClassificationsNote());
        html += "<ul>";
        for (std::size_t i = 0; i < report_.categories.size(); ++i) {
            html += ListItem(CategoryTestText(report_, i));
        }
        html += "</ul>";
    }
    html += Heading("What these spins can show");
    for (const std::string& text : PowerTexts(report_, findings, evidence_.spins)) {
        html += Paragraph(text);
    }
    html += "<p><i>What each figure means, and what it does not: the Help tab, \"Wheel bias\".</i></p>";

    // New spins must not throw the reader back to the top; a new choice of spins
    // brings its verdict into sight.
    const int scrolled = scrollToVerdict_ ? 0 : summary_->verticalScrollBar()->value();
    scrollToVerdict_ = false;
    summary_->setHtml(html);
    summary_->verticalScrollBar()->setValue(scrolled);
}

void WheelBiasWindow::Export() {
    QFileDialog dialog(this, "Export");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("CSV files (*.csv)");
    dialog.setDefaultSuffix("csv");
    // A file for a spreadsheet belongs with the user's documents, or at home where there is no such folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile("wheel-bias.csv");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        ExportTo(dialog.selectedFiles().constFirst());
    }
}

bool WheelBiasWindow::ExportTo(const QString& path) {
    if (stale_) {
        Refresh();
    }
    const std::string csv = WheelBiasCsv(report_, spanText_, simulation_->FindingsFor(report_), evidence_);
    // A pipe or a device is refused: the CSV is meant to be a file for a spreadsheet.
    CheckedFileWriter file(path, DeviceTarget::Refuse);
    const QString refusal = file.Open();
    if (!refusal.isEmpty() || !file.Write(csv) || !file.Commit().isEmpty()) {
        ShowWarning(this,
                    QStringLiteral("The wheel bias could not be exported to %1: %2.%3")
                        .arg(QDir::toNativeSeparators(path), file.failure(),
                             refusal.isEmpty() ? QStringLiteral(" A file that was there was left as it was.")
                                               : QString()),
                    "exportMessage");
        return false;
    }
    return true;
}

}  // namespace orvanta
