// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include "core/calc/Calculator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QWidget;

namespace orvanta {

class FlexGrid;
class LineEvaluation;
class OutputLines;
class OutputListView;

// The "Calculator" page: a line typed into txtExpression is evaluated on "Evaluate"
// or Enter, the line and its result are appended to lstCalcOut, and GridVars shows
// the variable table. After a line the box keeps it, all selected, so that typing
// starts the next line while the arrow keys edit this one. A line that runs long
// goes on in the background: the input waits, the page says so, and Esc or "Stop"
// abandons the line. A line that fails says why, on the page and in errorExplained.
class CalculatorPanel : public QObject {
    Q_OBJECT
public:
    static constexpr int kGridRows = 256;
    // A line that ends within this time is shown at once, as if it had run on the
    // window's own thread; a longer one lets the window go on meanwhile.
    static constexpr int kPatienceMilliseconds = 50;
    // The item shown for a line the user abandoned; it is no result of the line.
    static constexpr const char* kStoppedText = "Stopped";

    explicit CalculatorPanel(QWidget* page);
    ~CalculatorPanel() override;

    // The start-up step: grid headers, "Ans" in slot 1, first refresh, column layout.
    void InitCalculator();
    void UpdateGridVars();
    void Evaluate();
    // Abandons the line being evaluated; the variable table stays as it was before it.
    void StopEvaluation();
    // Removes the variable of the grid's current row ("Ans" in row 1 stays).
    void RemoveVariable();

    bool isEvaluating() const { return evaluation_ != nullptr; }
    const Calculator& calculator() const { return calculator_; }
    FlexGrid* grid() const { return variableGrid_; }
    OutputListView* output() const { return outputView_; }
    const OutputLines& outputLines() const { return *outputLines_; }
    QLineEdit* input() const { return expressionBox_; }
    QPushButton* evaluateButton() const { return evaluateButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    QPushButton* stopButton() const { return stopButton_; }

signals:
    // A line's result holds an error; `text` says why: "Error: " and the reason.
    void errorExplained(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FinishEvaluation();
    // Marks the grid's current row when it holds a variable that can be removed, and
    // offers "Remove" only then.
    void ShowPickedRow();
    void PaintRow(int row, bool picked);
    void ShowEvaluating(bool evaluating);
    // The note in the captions' row ("Evaluating...", or why the last line failed);
    // empty hides it.
    void ShowNote(const QString& text);
    void FitNote();
    void AppendOutput(const QString& text);

    Calculator calculator_;
    LineEvaluation* evaluation_ = nullptr;
    int gridRowsInUse_ = 0;
    int pickedRow_ = 0;  // 0: none
    FlexGrid* variableGrid_;
    OutputLines* outputLines_;
    OutputListView* outputView_;
    QLineEdit* expressionBox_;
    QPushButton* evaluateButton_;
    QPushButton* removeButton_;
    QLabel* noteLabel_;
    QString note_;
    QPushButton* stopButton_;
    QShortcut* stopKey_;
};

}  // namespace orvanta
