// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QTableView>

#include <memory>

class QScrollBar;

namespace orvanta {

class GridModel;
class StoredCells;

// The grid control of the layout: a fixed number of rows and columns, fixed rows and
// columns drawn in the button-face colours, and per-cell text, text colour and
// background colour. Cell (row r, column c) is model index (r, c). Writes between
// BeginUpdate and EndUpdate are shown as one change.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    // A grid that holds its cells, written one by one.
    FlexGrid(int rows, int columns, int fixedRows, int fixedColumns, QWidget* parent = nullptr);
    // A grid that shows what model holds when it paints; it takes no cell writes.
    explicit FlexGrid(std::unique_ptr<GridModel> model, QWidget* parent = nullptr);
    ~FlexGrid() override;

    int rowCount() const;
    int columnCount() const;
    // A grid that grows with its page shows more rows; the cells of the rows kept stay.
    // (A grid over a model of its own leaves its rows to the model.)
    void setRowCount(int rows);
    int rowHeight() const;
    // How many whole rows the grid's height holds inside its frame. Right for a resize
    // event on its way to the grid, before the grid has laid out its viewport anew.
    int RowsThatFit() const;

    void setColumnWidthTwips(int column, int twips);
    // As wide as the text needs to show whole in the column, and never narrower than twips.
    void setColumnWidthFor(int column, const QString& text, int twips);
    void setColumnAlignment(int column, Qt::Alignment alignment);

    void setCellText(int row, int column, const QString& text);
    void setCellNumber(int row, int column, long long number);
    QString cellText(int row, int column) const;
    void setCellTextColor(int row, int column, const QColor& color);
    void setCellBackColor(int row, int column, const QColor& color);
    // Text, text colour and background at once.
    void setCell(int row, int column, const QString& text, const QColor& textColor, const QColor& backColor);

    // Colours of the cells that have none of their own.
    void setDefaultTextColor(const QColor& color);
    void setDefaultBackColor(const QColor& color);

    // Empties a cell's text and returns its colours to the defaults.
    void ClearCell(int row, int column);
    // ClearCell for every cell; the numbers of rows and columns stay.
    void ClearAll();

    void BeginUpdate();
    void EndUpdate();

    // A grid that shows a fixed window of rows is scrolled by the bar beside it: the
    // wheel over the grid and the scrolling keys while it has the focus go to that bar.
    void setScrollBar(QScrollBar* bar) { scrollBar_ = bar; }

    // A row drawn as selected: its fixed cell in the selection colours and a frame
    // around the row, so that the cells keep their own colours. -1 for none.
    void setMarkedRow(int row);
    int markedRow() const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetUp(std::unique_ptr<GridModel> model);

    std::unique_ptr<GridModel> model_;
    StoredCells* cells_ = nullptr;  // model_ when the grid holds its cells
    QScrollBar* scrollBar_ = nullptr;
};

}  // namespace orvanta
