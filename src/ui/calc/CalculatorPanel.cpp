// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/CalculatorPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/QtConvert.h"
#include "ui/TabControl.h"
#include "ui/widgets/FlexGrid.h"

namespace orvanta {

CalculatorPanel::CalculatorPanel(QWidget* page)
    : QObject(page),
      variableGrid_(Named(new FlexGrid(kGridRows, 3, 1, 1, page), "GridVars", "Variables")),
      outputList_(Named(new QListWidget(page), "lstCalcOut", "Output")),
      expressionBox_(Named(new QLineEdit(page), "txtExpression", "Expression")),
      evaluateButton_(Named(new QPushButton("Evaluate", page), "CMDExecute", "Evaluate")),
      removeButton_(Named(new QPushButton("Remove", page), "cmdRemoveVar", "Remove")) {
    auto* lblVars = Named(new QLabel("Variables", page), "lblVars", "Variables");
    TabControl::Place(lblVars, 120, 360, 2175, 255);
    auto* lblOutput = Named(new QLabel("Output", page), "lblOutput", "Output");
    TabControl::Place(lblOutput, 3600, 360, 4095, 255);

    TabControl::Place(variableGrid_, 120, 600, 3375, 6735);
    // The variable grid is the one grid that is taller than its window.
    variableGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TabControl::Place(removeButton_, 120, 7440, 1215, 375);
    TabControl::Place(outputList_, 3600, 600, 8055, 6690);
    outputList_->setWordWrap(false);
    TabControl::Place(expressionBox_, 3600, 7440, 6975, 375);
    TabControl::Place(evaluateButton_, 10680, 7440, 975, 375);

    connect(evaluateButton_, &QPushButton::clicked, this, &CalculatorPanel::Evaluate);
    // Enter evaluates; a one-line box swallows the key, so no line break reaches it.
    connect(expressionBox_, &QLineEdit::returnPressed, this, &CalculatorPanel::Evaluate);
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
    for (int i = 1; i < kGridRows; ++i) {
        const Variable& slot = calculator_.Slot(i);
        variableGrid_->setCellText(i, 0, QString::number(i));
        variableGrid_->setCellText(i, 1, FromStd(slot.Name));
        variableGrid_->setCellText(i, 2, FromStd(slot.Value));
        if (slot.Name.empty()) {
            break;
        }
    }
    variableGrid_->EndUpdate();
    variableGrid_->setCurrentIndex(variableGrid_->model()->index(1, 0));
}

void CalculatorPanel::Evaluate() {
    const QString line = expressionBox_->text();
    outputList_->addItem(line);
    const QString result = FromStd(calculator_.ExecuteStatement(line.toStdString()));
    // A loop's results arrive joined by CR LF; the item shows them one per line.
    auto* item = new QListWidgetItem(QString(result).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    item->setData(Qt::UserRole, result);
    outputList_->addItem(item);
    outputList_->scrollToBottom();
    UpdateGridVars();
}

}  // namespace orvanta
