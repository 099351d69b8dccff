// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include "core/calc/Calculator.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace orvanta {

class FlexGrid;

// The "Calculator" page: a line typed into txtExpression is evaluated on "Evaluate"
// or Enter, the line and its result are appended to lstCalcOut, and GridVars shows
// the variable table.
class CalculatorPanel : public QObject {
    Q_OBJECT
public:
    static constexpr int kGridRows = 256;

    explicit CalculatorPanel(QWidget* page);

    // The start-up step: grid headers, "Ans" in slot 1, first refresh, column layout.
    void InitCalculator();
    void UpdateGridVars();
    void Evaluate();

    const Calculator& calculator() const { return calculator_; }
    FlexGrid* grid() const { return variableGrid_; }
    QListWidget* output() const { return outputList_; }
    QLineEdit* input() const { return expressionBox_; }
    QPushButton* evaluateButton() const { return evaluateButton_; }
    QPushButton* removeButton() const { return removeButton_; }

private:
    Calculator calculator_;
    FlexGrid* variableGrid_;
    QListWidget* outputList_;
    QLineEdit* expressionBox_;
    QPushButton* evaluateButton_;
    QPushButton* removeButton_;
};

}  // namespace orvanta
