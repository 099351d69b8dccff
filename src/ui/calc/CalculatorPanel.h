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
    FlexGrid* grid() const { return gridVars_; }
    QListWidget* output() const { return lstCalcOut_; }
    QLineEdit* input() const { return txtExpression_; }
    QPushButton* evaluateButton() const { return cmdExecute_; }
    QPushButton* removeButton() const { return cmdRemoveVar_; }

private:
    Calculator calculator_;
    FlexGrid* gridVars_;
    QListWidget* lstCalcOut_;
    QLineEdit* txtExpression_;
    QPushButton* cmdExecute_;
    QPushButton* cmdRemoveVar_;
};

}  // namespace orvanta
