#include "ui/calc/CalculatorPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/widgets/FlexGrid.h"
#include "ui/QtConvert.h"
#include "ui/TabControl.h"

namespace orvanta {

CalculatorPanel::CalculatorPanel(QWidget* page)
    : QObject(page),
      gridVars_(Named(new FlexGrid(kGridRows, 3, 1, 1, page), "GridVars", "Variables")),
      lstCalcOut_(Named(new QListWidget(page), "lstCalcOut", "Output")),
      txtExpression_(Named(new QLineEdit(page), "txtExpression", "Expression")),
      cmdExecute_(Named(new QPushButton("Evaluate", page), "CMDExecute", "Evaluate")),
      cmdRemoveVar_(Named(new QPushButton("Remove", page), "cmdRemoveVar", "Remove")) {
    auto* lblVars = Named(new QLabel("Variables", page), "lblVars", "Variables");
    TabControl::Place(lblVars, 120, 360, 2175, 255);
    auto* lblOutput = Named(new QLabel("Output", page), "lblOutput", "Output");
    TabControl::Place(lblOutput, 3600, 360, 4095, 255);

    TabControl::Place(gridVars_, 120, 600, 3375, 6735);
    // The variable grid is the one grid that is taller than its window.
    gridVars_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TabControl::Place(cmdRemoveVar_, 120, 7440, 1215, 375);
    TabControl::Place(lstCalcOut_, 3600, 600, 8055, 6690);
    lstCalcOut_->setWordWrap(false);
    TabControl::Place(txtExpression_, 3600, 7440, 6975, 375);
    TabControl::Place(cmdExecute_, 10680, 7440, 975, 375);

    connect(cmdExecute_, &QPushButton::clicked, this, &CalculatorPanel::Evaluate);
    // Enter evaluates; a one-line box swallows the key, so no line break reaches it.
    connect(txtExpression_, &QLineEdit::returnPressed, this, &CalculatorPanel::Evaluate);
}

void CalculatorPanel::InitCalculator() {
    gridVars_->setCellText(0, 1, "Identifier");
    gridVars_->setCellText(0, 2, "Value");
    calculator_.InitCalculator();
    UpdateGridVars();
    gridVars_->setColumnAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    gridVars_->setColumnAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    gridVars_->setColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    gridVars_->setColumnWidthTwips(0, 350);
    gridVars_->setColumnWidthTwips(1, 850);
    gridVars_->setColumnWidthTwips(2, 1550);
}

void CalculatorPanel::UpdateGridVars() {
    gridVars_->beginUpdate();
    for (int i = 1; i < kGridRows; ++i) {
        const Variable& slot = calculator_.Slot(i);
        gridVars_->setCellText(i, 0, QString::number(i));
        gridVars_->setCellText(i, 1, FromStd(slot.Name));
        gridVars_->setCellText(i, 2, FromStd(slot.Value));
        if (slot.Name.empty()) {
            break;
        }
    }
    gridVars_->endUpdate();
    gridVars_->setCurrentIndex(gridVars_->model()->index(1, 0));
}

void CalculatorPanel::Evaluate() {
    const QString line = txtExpression_->text();
    lstCalcOut_->addItem(line);
    const QString result = FromStd(calculator_.ExecuteStatement(line.toStdString()));
    // A loop's results arrive joined by CR LF; the item shows them one per line.
    auto* item = new QListWidgetItem(QString(result).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    item->setData(Qt::UserRole, result);
    lstCalcOut_->addItem(item);
    lstCalcOut_->scrollToBottom();
    UpdateGridVars();
}

}  // namespace orvanta
