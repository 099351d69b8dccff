// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/analysis/PastResultsPanel.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>

#include "core/analysis/PastResults.h"
#include "core/analysis/PastResultsSummary.h"

#include "ui/LayoutTables.h"
#include "ui/QtConvert.h"
#include "ui/TabControl.h"
#include "ui/TabOrder.h"
#include "ui/analysis/SearchGrids.h"
#include "ui/widgets/FlexGrid.h"
#include "ui/widgets/SliderValue.h"

namespace orvanta {

namespace {

// The analysis list, in the order the user sees it.
constexpr const char* kAnalysisCategories[] = {"Number", "Color", "Even / Odd", "High / Low",
                                               "n 12",   "n 6",   "Row",        "Column"};

QSlider* MakeSlider(QWidget* page, const QString& name, const QString& accessibleName, int minimum,
                    int maximum, int value) {
    auto* slider = Named(new QSlider(Qt::Horizontal, page), name, accessibleName);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    ShowSliderValue(slider, accessibleName);
    return slider;
}

}  // namespace

PastResultsPanel::PastResultsPanel(const SpinModel& model, QWidget* page, TabOrder& tabOrder)
    : QObject(page),
      model_(model),
      categoryBox_(Named(new QComboBox(page), "cboPastResults", "Analysis category")),
      searchGrids_(new SearchGrids(page, [this] { return categoryBox_->currentText(); })),
      runLengthSlider_(MakeSlider(page, "sldLength", "Run length", 1, 20, 5)),
      depthSlider_(MakeSlider(page, "sldDepth", "Recursion depth", 0, 15, 0)) {
    categoryBox_->setEditable(true);
    categoryBox_->setInsertPolicy(QComboBox::NoInsert);
    // The category is the exact text typed: no completion while typing, and without a
    // completer leaving the box matches the list case-sensitively, changing nothing.
    categoryBox_->setCompleter(nullptr);
    categoryBox_->setEditText("Color");
    TabControl::Place(categoryBox_, kCategoryBox);
    tabOrder.Set(categoryBox_, 6);

    tabOrder.Set(searchGrids_->grid(1), 34);
    tabOrder.Set(searchGrids_->grid(2), 35);
    tabOrder.Set(searchGrids_->scrollBar(1), 37);
    tabOrder.Set(searchGrids_->scrollBar(2), 38);

    TabControl::Place(runLengthSlider_, kRunLengthSliderBox);
    tabOrder.Set(runLengthSlider_, 3);
    TabControl::Place(depthSlider_, kDepthSliderBox);
    tabOrder.Set(depthSlider_, 4);

    calculateButton_ = Named(new QPushButton("Calculate", page), "cmdPastResultsCalc", "Calculate");
    TabControl::Place(calculateButton_, kCalculateButtonBox);
    tabOrder.Set(calculateButton_, 5);
    connect(calculateButton_, &QPushButton::clicked, this, &PastResultsPanel::CalcPastResults);
}

std::vector<QWidget*> PastResultsPanel::controls() const {
    return {categoryBox_,
            searchGrids_->grid(1),
            searchGrids_->scrollBar(1),
            searchGrids_->grid(2),
            searchGrids_->scrollBar(2),
            runLengthSlider_,
            depthSlider_,
            calculateButton_};
}

void PastResultsPanel::FillCategories() {
    for (const char* category : kAnalysisCategories) {
        categoryBox_->addItem(category);
    }
    categoryBox_->setCurrentIndex(categoryBox_->findText("Color"));
}

void PastResultsPanel::SetColumnWidths() {
    searchGrids_->SetColumnWidths();
}

void PastResultsPanel::CalcPastResults() {
    searchGrids_->Clear();
    const std::string category = categoryBox_->currentText().toStdString();
    const int runLength = runLengthSlider_->value();
    const int depth = depthSlider_->value();
    PastResults results = SearchPastResults(model_, category, runLength, depth);
    const std::string found = DescribePastResults(model_, category, runLength, depth, results);
    searchGrids_->SetLists(std::move(results));
    searchGrids_->UpdateSearch1();
    searchGrids_->UpdateSearch2();
    if (const std::string note = UnknownCategoryNote(category); !note.empty()) {
        emit message(FromStd(note));
    } else if (!found.empty()) {
        emit message(FromStd(found));
    }
}

}  // namespace orvanta
