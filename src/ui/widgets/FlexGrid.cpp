// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/FlexGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "ui/Twips.h"
#include "ui/widgets/GridScrollBar.h"

namespace orvanta {

namespace {

// The classic grid's row height for 8.25 pt text.
constexpr int kRowHeightTwips = 240;

// A cell's text. Grid texts are nearly always a few characters, and a refresh after
// every spin rewrites 171 of them: short texts are kept inline, so that rewriting one
// is a plain copy instead of reference counting on a shared string.
class CellText {
public:
    void Set(QStringView text) {
        if (text.size() <= kInline) {
            size_ = static_cast<std::uint8_t>(text.size());
            std::copy(text.utf16(), text.utf16() + text.size(), inline_.begin());
            if (!long_.isNull()) {
                long_ = QString();
            }
        } else {
            size_ = kLong;
            long_ = text.toString();
        }
    }
    void SetNumber(long long number) {
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
        size_ = static_cast<std::uint8_t>(end - digits);
        std::copy(digits, end, inline_.begin());
        if (!long_.isNull()) {
            long_ = QString();
        }
    }
    QString ToString() const {
        return size_ == kLong ? long_ : QString(reinterpret_cast<const QChar*>(inline_.data()), size_);
    }

private:
    static constexpr qsizetype kInline = 22;
    static constexpr std::uint8_t kLong = 255;
    std::array<char16_t, kInline> inline_{};
    std::uint8_t size_ = 0;
    QString long_;
};

struct Cell {
    CellText text;
    std::optional<QColor> textColor;
    std::optional<QColor> backColor;
};

}  // namespace

class FlexGridModel : public QAbstractTableModel {
public:
    FlexGridModel(int rows, int columns, int fixedRows, int fixedColumns, const QPalette& palette)
        : rows_(rows),
          columns_(columns),
          fixedRows_(fixedRows),
          fixedColumns_(fixedColumns),
          cells_(static_cast<std::size_t>(rows * columns)),
          alignments_(static_cast<std::size_t>(columns)),
          fixedBack_(palette.color(QPalette::Button)),
          fixedText_(palette.color(QPalette::ButtonText)),
          markedBack_(palette.color(QPalette::Highlight)),
          markedText_(palette.color(QPalette::HighlightedText)),
          defaultBack_(palette.color(QPalette::Base)),
          defaultText_(palette.color(QPalette::Text)) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : columns_; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        const Cell& cell = at(index.row(), index.column());
        const bool fixed = index.row() < fixedRows_ || index.column() < fixedColumns_;
        const bool marked = fixed && index.row() == markedRow_;
        switch (role) {
            case Qt::DisplayRole:
                return cell.text.ToString();
            case Qt::BackgroundRole:
                return marked ? markedBack_ : fixed ? fixedBack_ : cell.backColor.value_or(defaultBack_);
            case Qt::ForegroundRole:
                return marked ? markedText_ : fixed ? fixedText_ : cell.textColor.value_or(defaultText_);
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(Alignment(index.column(), cell.text.ToString()));
            default:
                return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

    Cell& at(int row, int column) { return cells_[static_cast<std::size_t>(row * columns_ + column)]; }
    const Cell& at(int row, int column) const {
        return cells_[static_cast<std::size_t>(row * columns_ + column)];
    }
    bool contains(int row, int column) const {
        return row >= 0 && row < rows_ && column >= 0 && column < columns_;
    }

    void setAlignment(int column, Qt::Alignment alignment) {
        alignments_[static_cast<std::size_t>(column)] = alignment;
        changedAll();
    }
    void setDefaultText(const QColor& color) {
        defaultText_ = color;
        changedAll();
    }
    void setDefaultBack(const QColor& color) {
        defaultBack_ = color;
        changedAll();
    }
    // Rows are kept from the top: a grid that grows gets blank rows at its foot.
    void setRows(int rows) {
        beginResetModel();
        rows_ = rows;
        cells_.resize(static_cast<std::size_t>(rows * columns_));
        endResetModel();
    }

    int markedRow() const { return markedRow_; }
    void setMarkedRow(int row) {
        if (row == markedRow_) {
            return;
        }
        const int before = markedRow_;
        markedRow_ = row;
        for (const int changedRow : {before, row}) {
            if (changedRow >= 0 && changedRow < rows_) {
                changed(changedRow, 0);
                changed(changedRow, columns_ - 1);
            }
        }
    }

    // A batch collects the changed area and reports it once at its end.
    void begin() { ++batchDepth_; }
    void end() {
        if (batchDepth_ > 0 && --batchDepth_ == 0 && dirtyTop_ <= dirtyBottom_) {
            emit dataChanged(index(dirtyTop_, dirtyLeft_), index(dirtyBottom_, dirtyRight_));
            resetDirty();
        }
    }
    void changed(int row, int column) {
        if (batchDepth_ == 0) {
            const QModelIndex cell = index(row, column);
            emit dataChanged(cell, cell);
            return;
        }
        dirtyTop_ = std::min(dirtyTop_, row);
        dirtyBottom_ = std::max(dirtyBottom_, row);
        dirtyLeft_ = std::min(dirtyLeft_, column);
        dirtyRight_ = std::max(dirtyRight_, column);
    }
    void changedAll() {
        if (batchDepth_ == 0) {
            emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
            return;
        }
        changed(0, 0);
        changed(rows_ - 1, columns_ - 1);
    }

private:
    // Without an alignment of its own a column aligns like the classic grid:
    // numbers to the right, text to the left.
    Qt::Alignment Alignment(int column, const QString& text) const {
        const std::optional<Qt::Alignment>& own = alignments_[static_cast<std::size_t>(column)];
        if (own) {
            return *own;
        }
        bool numeric = false;
        text.trimmed().toDouble(&numeric);
        return (numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }

    void resetDirty() {
        dirtyTop_ = dirtyLeft_ = std::numeric_limits<int>::max();
        dirtyBottom_ = dirtyRight_ = -1;
    }

    int rows_;
    int columns_;
    int fixedRows_;
    int fixedColumns_;
    std::vector<Cell> cells_;
    std::vector<std::optional<Qt::Alignment>> alignments_;
    QColor fixedBack_;
    QColor fixedText_;
    QColor markedBack_;
    QColor markedText_;
    QColor defaultBack_;
    QColor defaultText_;
    int markedRow_ = -1;
    int batchDepth_ = 0;
    int dirtyTop_ = std::numeric_limits<int>::max();
    int dirtyLeft_ = std::numeric_limits<int>::max();
    int dirtyBottom_ = -1;
    int dirtyRight_ = -1;
};

FlexGrid::FlexGrid(int rows, int columns, int fixedRows, int fixedColumns, QWidget* parent)
    : QTableView(parent),
      model_(std::make_unique<FlexGridModel>(rows, columns, fixedRows, fixedColumns, palette())) {
    setModel(model_.get());
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(TwipsToPixels(kRowHeightTwips));
    horizontalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setAutoScroll(false);
}

FlexGrid::~FlexGrid() {
    // The view must let go of the model before the model goes.
    setModel(nullptr);
}

int FlexGrid::rowCount() const {
    return model_->rowCount();
}
int FlexGrid::columnCount() const {
    return model_->columnCount();
}

void FlexGrid::setRowCount(int rows) {
    if (rows != rowCount() && rows > 0) {
        model_->setRows(rows);
    }
}

int FlexGrid::rowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void FlexGrid::setColumnWidthTwips(int column, int twips) {
    setColumnWidth(column, TwipsToPixels(twips));
}

void FlexGrid::setColumnWidthFor(int column, const QString& text, int twips) {
    // Measured as the view measures a cell of that text, with the grid line beside it.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    const int needed = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() +
                       (showGrid() ? 1 : 0);
    setColumnWidth(column, std::max(TwipsToPixels(twips), needed));
}

void FlexGrid::setColumnAlignment(int column, Qt::Alignment alignment) {
    if (column >= 0 && column < columnCount()) {
        model_->setAlignment(column, alignment);
    }
}

void FlexGrid::setCellText(int row, int column, const QString& text) {
    if (!model_->contains(row, column)) {
        return;
    }
    model_->at(row, column).text.Set(text);
    model_->changed(row, column);
}

QString FlexGrid::cellText(int row, int column) const {
    return model_->contains(row, column) ? model_->at(row, column).text.ToString() : QString();
}

void FlexGrid::setCellTextColor(int row, int column, const QColor& color) {
    if (!model_->contains(row, column)) {
        return;
    }
    model_->at(row, column).textColor = color;
    model_->changed(row, column);
}

void FlexGrid::setCellBackColor(int row, int column, const QColor& color) {
    if (!model_->contains(row, column)) {
        return;
    }
    model_->at(row, column).backColor = color;
    model_->changed(row, column);
}

void FlexGrid::setCell(int row, int column, const QString& text, const QColor& textColor,
                       const QColor& backColor) {
    if (!model_->contains(row, column)) {
        return;
    }
    Cell& cell = model_->at(row, column);
    cell.text.Set(text);
    cell.textColor = textColor;
    cell.backColor = backColor;
    model_->changed(row, column);
}

void FlexGrid::setCellNumber(int row, int column, long long number) {
    if (!model_->contains(row, column)) {
        return;
    }
    model_->at(row, column).text.SetNumber(number);
    model_->changed(row, column);
}

void FlexGrid::setDefaultTextColor(const QColor& color) {
    model_->setDefaultText(color);
}
void FlexGrid::setDefaultBackColor(const QColor& color) {
    model_->setDefaultBack(color);
}

void FlexGrid::ClearCell(int row, int column) {
    if (!model_->contains(row, column)) {
        return;
    }
    model_->at(row, column) = {};
    model_->changed(row, column);
}

void FlexGrid::ClearAll() {
    BeginUpdate();
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            ClearCell(r, c);
        }
    }
    EndUpdate();
}

void FlexGrid::wheelEvent(QWheelEvent* event) {
    if (scrollBar_ == nullptr) {
        QTableView::wheelEvent(event);
        return;
    }
    QApplication::sendEvent(scrollBar_, event);
    event->accept();
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    if (scrollBar_ == nullptr || !GridScrollBar::IsScrollKey(event->key())) {
        QTableView::keyPressEvent(event);
        return;
    }
    QApplication::sendEvent(scrollBar_, event);
    event->accept();
}

void FlexGrid::setMarkedRow(int row) {
    if (row != model_->markedRow()) {
        model_->setMarkedRow(row);
        viewport()->update();  // the frame spans the whole row
    }
}

int FlexGrid::markedRow() const {
    return model_->markedRow();
}

void FlexGrid::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    const int row = model_->markedRow();
    if (row < 0 || row >= rowCount()) {
        return;
    }
    const QRect band =
        visualRect(model_->index(row, 0)).united(visualRect(model_->index(row, columnCount() - 1)));
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(band.adjusted(1, 1, -1, -1));
}

void FlexGrid::BeginUpdate() {
    model_->begin();
}
void FlexGrid::EndUpdate() {
    model_->end();
}

}  // namespace orvanta
