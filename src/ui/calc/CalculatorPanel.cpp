// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/CalculatorPanel.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <string>
#include <utility>

#include "ui/QtConvert.h"
#include "ui/TabControl.h"
#include "ui/calc/LineEvaluation.h"
#include "ui/calc/OutputLines.h"
#include "ui/calc/OutputListView.h"
#include "ui/widgets/FlexGrid.h"
#include "ui/widgets/StretchLayout.h"

namespace orvanta {

namespace {

// Lines through the output list, clear of every control's edge.
constexpr int kGrowthColumn = 600;
constexpr int kGrowthRow = 200;

}  // namespace

CalculatorPanel::CalculatorPanel(QWidget* page)
    : QObject(page),
      variableGrid_(Named(new FlexGrid(kGridRows, 3, 1, 1, page), "GridVars", "Variables")),
      outputLines_(new OutputLines(this)),
      outputView_(Named(new OutputListView(outputLines_, page), "lstCalcOut", "Output")),
      expressionBox_(Named(new QLineEdit(page), "txtExpression", "Expression")),
      evaluateButton_(Named(new QPushButton("Evaluate", page), "CMDExecute", "Evaluate")),
      removeButton_(Named(new QPushButton("Remove", page), "cmdRemoveVar", "Remove")),
      noteLabel_(Named(new QLabel(page), "lblEvaluating", "Calculator note")),
      stopButton_(Named(new QPushButton("Stop", page), "cmdStopCalc", "Stop")),
      stopKey_(new QShortcut(QKeySequence(Qt::Key_Escape), page)) {
    auto* lblVars = Named(new QLabel("Variables", page), "lblVars", "Variables");
    TabControl::Place(lblVars, 120, 360, 2175, 255);
    auto* lblOutput = Named(new QLabel("Output", page), "lblOutput", "Output");
    TabControl::Place(lblOutput, 3600, 360, 4095, 255);

    TabControl::Place(variableGrid_, 120, 600, 3375, 6735);
    // The variable grid is the one grid that is taller than its window.
    variableGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TabControl::Place(removeButton_, 120, 7440, 1215, 375);
    TabControl::Place(outputView_, 3600, 600, 8055, 6690);
    TabControl::Place(expressionBox_, 3600, 7440, 6975, 375);
    TabControl::Place(evaluateButton_, 10680, 7440, 975, 375);

    // While a long line runs, and after a line that failed: a note above the output's
    // right end (and while it runs a Stop button beside it), in the row of the
    // captions, so nothing of the layout moves.
    TabControl::Place(noteLabel_, 7200, 360, 3360, 255);
    noteLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    noteLabel_->installEventFilter(this);
    TabControl::Place(stopButton_, 10680, 300, 975, 285);
    stopKey_->setContext(Qt::WidgetWithChildrenShortcut);
    ShowEvaluating(false);

    // A larger window gives the output and the variables more rows, and the output and
    // the input more width; the buttons keep their size at the foot and the right.
    auto* layout = new StretchLayout(page, TabControl::PageSize());
    layout->AddColumnLine(kGrowthColumn);
    layout->AddRowLine(kGrowthRow);
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblVars, lblOutput, variableGrid_, removeButton_, outputView_,
                                         expressionBox_, evaluateButton_, noteLabel_, stopButton_}) {
        layout->Add(control);
    }

    connect(evaluateButton_, &QPushButton::clicked, this, &CalculatorPanel::Evaluate);
    // Enter evaluates; a one-line box swallows the key, so no line break reaches it.
    connect(expressionBox_, &QLineEdit::returnPressed, this, &CalculatorPanel::Evaluate);
    connect(removeButton_, &QPushButton::clicked, this, &CalculatorPanel::RemoveVariable);
    connect(variableGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CalculatorPanel::ShowPickedRow);
    connect(stopButton_, &QPushButton::clicked, this, &CalculatorPanel::StopEvaluation);
    connect(stopKey_, &QShortcut::activated, this, &CalculatorPanel::StopEvaluation);
}

CalculatorPanel::~CalculatorPanel() {
    delete evaluation_;  // stops its line and waits for its thread
}

void CalculatorPanel::InitCalculator() {
    variableGrid_->setCellText(0, 1, "Identifier");
    variableGrid_->setCellText(0, 2, "Value");
    calculator_.InitCalculator();
    UpdateGridVars();
    variableGrid_->setColumnAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    variableGrid_->setColumnAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    variableGrid_->setColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    variableGrid_->setColumnWidthTwips(0, 350);
    variableGrid_->setColumnWidthTwips(1, 850);
    variableGrid_->setColumnWidthTwips(2, 1550);
}

void CalculatorPanel::UpdateGridVars() {
    variableGrid_->BeginUpdate();
    int row = 1;
    for (; row < kGridRows; ++row) {
        const Variable& slot = calculator_.Slot(row);
        variableGrid_->setCellText(row, 0, QString::number(row));
        variableGrid_->setCellText(row, 1, FromStd(slot.Name));
        variableGrid_->setCellText(row, 2, FromStd(slot.Value));
        if (slot.Name.empty()) {
            break;
        }
    }
    // A removal shrinks the table: rows it no longer reaches are blanked.
    for (int stale = row + 1; stale <= gridRowsInUse_ && stale < kGridRows; ++stale) {
        for (int column = 0; column < 3; ++column) {
            variableGrid_->setCellText(stale, column, QString());
        }
    }
    gridRowsInUse_ = row;
    variableGrid_->EndUpdate();
    variableGrid_->setCurrentIndex(variableGrid_->model()->index(1, 0));
    ShowPickedRow();
}

void CalculatorPanel::ShowPickedRow() {
    const int row = variableGrid_->currentIndex().row();
    // Row 1 is "Ans", which stays; free rows hold nothing to remove.
    const int picked = row >= 2 && !calculator_.Slot(row).Name.empty() ? row : 0;
    if (picked != pickedRow_) {
        PaintRow(pickedRow_, false);
        PaintRow(picked, true);
        pickedRow_ = picked;
    }
    removeButton_->setEnabled(picked != 0 && evaluation_ == nullptr);
}

void CalculatorPanel::PaintRow(int row, bool picked) {
    if (row == 0) {
        return;
    }
    const QPalette& palette = variableGrid_->palette();
    for (int column = 1; column < 3; ++column) {
        variableGrid_->setCellBackColor(row, column,
                                        palette.color(picked ? QPalette::Highlight : QPalette::Base));
        variableGrid_->setCellTextColor(row, column,
                                        palette.color(picked ? QPalette::HighlightedText : QPalette::Text));
    }
}

void CalculatorPanel::Evaluate() {
    if (evaluation_ != nullptr) {
        return;
    }
    const QString line = expressionBox_->text();
    AppendOutput(line);
    evaluation_ = new LineEvaluation(calculator_, line.toStdString(), this);
    connect(evaluation_, &LineEvaluation::finished, this, &CalculatorPanel::FinishEvaluation);
    if (evaluation_->WaitFor(kPatienceMilliseconds)) {
        FinishEvaluation();
    } else {
        ShowEvaluating(true);
    }
}

void CalculatorPanel::FinishEvaluation() {
    if (evaluation_ == nullptr || !evaluation_->isFinished()) {
        return;
    }
    LineEvaluation* finished = std::exchange(evaluation_, nullptr);
    finished->disconnect(this);
    finished->deleteLater();
    calculator_ = std::move(finished->calculator());
    // A loop's results arrive joined by CR LF; the list shows them one per row.
    AppendOutput(FromStd(finished->result()));
    UpdateGridVars();
    ShowEvaluating(false);
    if (const std::string& reason = calculator_.lastError(); !reason.empty()) {
        const QString explained = "Error: " + FromStd(reason);
        ShowNote(explained);
        emit errorExplained(explained);
    }
}

void CalculatorPanel::StopEvaluation() {
    if (evaluation_ == nullptr) {
        return;
    }
    // Deleting it stops the loop before its next pass; its copy of the table goes
    // with it, so the variables stay as they were before the line.
    delete std::exchange(evaluation_, nullptr);
    AppendOutput(kStoppedText);
    ShowEvaluating(false);
}

void CalculatorPanel::RemoveVariable() {
    const int row = variableGrid_->currentIndex().row();
    if (evaluation_ == nullptr && calculator_.RemoveVariable(row)) {
        UpdateGridVars();
    }
}

void CalculatorPanel::AppendOutput(const QString& text) {
    outputLines_->AppendItem(text);
    outputView_->scrollToBottom();
}

void CalculatorPanel::ShowEvaluating(bool evaluating) {
    expressionBox_->setEnabled(!evaluating);
    evaluateButton_->setEnabled(!evaluating);
    ShowNote(evaluating ? QStringLiteral("Evaluating... (Esc stops it)") : QString());
    stopButton_->setVisible(evaluating);
    stopKey_->setEnabled(evaluating);
    ShowPickedRow();
    if (evaluating) {
        // The list keeps the focus inside the page, where Esc reaches the shortcut.
        outputView_->setFocus(Qt::OtherFocusReason);
    } else if (expressionBox_->isVisible()) {
        // The next line is typed at once, and Space or Enter never re-run the last one
        // from the button that was clicked. (A hidden page is left alone: the user has
        // gone to another tab meanwhile.)
        expressionBox_->setFocus(Qt::OtherFocusReason);
    }
    if (!evaluating) {
        // After the focus, whose leaving the box drops a selection: typing replaces
        // the line, while the arrow keys, Home and End edit it.
        expressionBox_->selectAll();
    }
}

void CalculatorPanel::ShowNote(const QString& text) {
    note_ = text;
    noteLabel_->setToolTip(text);
    FitNote();
    noteLabel_->setVisible(!text.isEmpty());
}

// A reason longer than the note's room ends in "..."; the tooltip and the status
// line hold it whole.
void CalculatorPanel::FitNote() {
    noteLabel_->setText(noteLabel_->fontMetrics().elidedText(note_, Qt::ElideRight, noteLabel_->width()));
}

bool CalculatorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == noteLabel_ && event->type() == QEvent::Resize) {
        FitNote();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvanta
