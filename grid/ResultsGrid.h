#pragma once

#include <QObject>

#include "model/SpinModel.h"

class QScrollBar;
class QWidget;

namespace orvanta {

class FlexGrid;

// FlexGrid1 and ScrollMain: the newest 19 spins, newest at the top, one column per
// category, and the scroll bar that walks the window back through older spins.
class ResultsGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int kWindowRows = 19;

    ResultsGrid(const SpinModel& model, QWidget* page);

    void SetColumnWidths();
    void WriteHeaders();

    // Rewrites the window of spins from the model.
    void UpdateGridMain();

    FlexGrid* grid() const { return grid_; }
    QScrollBar* scrollBar() const { return scroll_; }

private:
    void WriteRow(int row, int slot);

    const SpinModel& model_;
    FlexGrid* grid_;
    QScrollBar* scroll_;
};

}  // namespace orvanta
