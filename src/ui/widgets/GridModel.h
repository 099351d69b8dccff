// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QPalette>

#include <optional>
#include <vector>

namespace orvanta {

// The look every grid of the window shares: fixed rows and columns drawn in the
// button-face colours, one row that can be marked as selected, and columns without an
// alignment of their own aligned like the classic grid (numbers right, text left). What
// a cell holds comes from the subclass, which is asked when the grid paints.
class GridModel : public QAbstractTableModel {
public:
    GridModel(int rows, int columns, int fixedRows, int fixedColumns, const QPalette& palette);

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : columns_; }
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool contains(int row, int column) const {
        return row >= 0 && row < rows_ && column >= 0 && column < columns_;
    }

    void setAlignment(int column, Qt::Alignment alignment);
    // Colours of the cells that have none of their own.
    void setDefaultText(const QColor& color);
    void setDefaultBack(const QColor& color);
    int markedRow() const { return markedRow_; }
    void setMarkedRow(int row);

    // A batch collects the changed area and reports it once at its end.
    void begin() { ++batchDepth_; }
    void end();
    void changed(int row, int column);
    void changedAll();

protected:
    // What a cell holds; a colour left out is the grid's default.
    virtual QString text(int row, int column) const = 0;
    virtual std::optional<QColor> textColor(int row, int column) const = 0;
    virtual std::optional<QColor> backColor(int row, int column) const = 0;

    // Grows or shrinks the grid to rows; the subclass answers for the rows it then has.
    void setRows(int rows);

private:
    Qt::Alignment Alignment(int column, const QString& text) const;
    void resetDirty();

    int rows_;
    int columns_;
    int fixedRows_;
    int fixedColumns_;
    std::vector<std::optional<Qt::Alignment>> alignments_;
    QColor fixedBack_;
    QColor fixedText_;
    QColor markedBack_;
    QColor markedText_;
    QColor defaultBack_;
    QColor defaultText_;
    int markedRow_ = -1;
    int batchDepth_ = 0;
    int dirtyTop_ = 0;
    int dirtyLeft_ = 0;
    int dirtyBottom_ = -1;
    int dirtyRight_ = -1;
};

}  // namespace orvanta
