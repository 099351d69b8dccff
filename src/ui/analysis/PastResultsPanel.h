// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "core/model/SpinModel.h"

class QComboBox;
class QPushButton;
class QSlider;
class QWidget;

namespace orvanta {

class SearchGrids;
class TabOrder;

// The middle panel of the Main tab: the category, the two follower lists, the run
// length and depth sliders and "Calculate", which runs the analysis of the history.
class PastResultsPanel : public QObject {
    Q_OBJECT
public:
    PastResultsPanel(const SpinModel& model, QWidget* page, TabOrder& tabOrder);

    // The start-up steps: the eight categories with "Color" chosen, the grids' columns.
    void FillCategories();
    void SetColumnWidths();

    // Runs the analysis for the chosen category, run length and depth, and says what
    // it found.
    void CalcPastResults();

    QComboBox* categoryBox() const { return categoryBox_; }
    // Every control of the panel, for the page's layout.
    std::vector<QWidget*> controls() const;
    SearchGrids* searchGrids() const { return searchGrids_; }

signals:
    // A line for the status line.
    void message(const QString& text);

private:
    const SpinModel& model_;
    QComboBox* categoryBox_;
    SearchGrids* searchGrids_;
    QSlider* runLengthSlider_;
    QSlider* depthSlider_;
    QPushButton* calculateButton_;
};

}  // namespace orvanta
