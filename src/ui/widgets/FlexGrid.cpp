// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/FlexGrid.h"

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
#include "ui/widgets/GridModel.h"
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

// The cells a grid holds itself: written one by one, kept until written again.
class StoredCells : public GridModel {
public:
    StoredCells(int rows, int columns, int fixedRows, int fixedColumns, const QPalette& palette)
        : GridModel(rows, columns, fixedRows, fixedColumns, palette),
          columns_(columns),
          cells_(static_cast<std::size_t>(rows * columns)) {}

    Cell& at(int row, int column) { return cells_[static_cast<std::size_t>(row * columns_ + column)]; }
    const Cell& at(int row, int column) const {
        return cells_[static_cast<std::size_t>(row * columns_ + column)];
    }

    // Rows are kept from the top: a grid that grows gets blank rows at its foot.
    void ResizeRows(int rows) {
        cells_.resize(static_cast<std::size_t>(std::max(rows, rowCount()) * columns_));
        setRows(rows);
        cells_.resize(static_cast<std::size_t>(rowCount() * columns_));
    }

protected:
    QString text(int row, int column) const override { return at(row, column).text.ToString(); }
    std::optional<QColor> textColor(int row, int column) const override { return at(row, column).textColor; }
    std::optional<QColor> backColor(int row, int column) const override { return at(row, column).backColor; }

private:
    int columns_;
    std::vector<Cell> cells_;
};

FlexGrid::FlexGrid(int rows, int columns, int fixedRows, int fixedColumns, QWidget* parent)
    : QTableView(parent) {
    auto cells = std::make_unique<StoredCells>(rows, columns, fixedRows, fixedColumns, palette());
    cells_ = cells.get();
    SetUp(std::move(cells));
}

FlexGrid::FlexGrid(std::unique_ptr<GridModel> model, QWidget* parent) : QTableView(parent) {
    SetUp(std::move(model));
}

void FlexGrid::SetUp(std::unique_ptr<GridModel> model) {
    model_ = std::move(model);
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
    if (cells_ != nullptr && rows != rowCount() && rows > 0) {
        cells_->ResizeRows(rows);
    }
}

int FlexGrid::rowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

int FlexGrid::RowsThatFit() const {
    return std::max(1, (height() - 2 * frameWidth()) / rowHeight());
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

namespace {

// The cell a write goes to; none outside the grid, or in a grid whose model holds no cells.
Cell* Writable(StoredCells* cells, int row, int column) {
    return cells != nullptr && cells->contains(row, column) ? &cells->at(row, column) : nullptr;
}

}  // namespace

void FlexGrid::setCellText(int row, int column, const QString& text) {
    if (Cell* cell = Writable(cells_, row, column)) {
        cell->text.Set(text);
        cells_->changed(row, column);
    }
}

QString FlexGrid::cellText(int row, int column) const {
    return model_->contains(row, column) ? model_->index(row, column).data().toString() : QString();
}

void FlexGrid::setCellTextColor(int row, int column, const QColor& color) {
    if (Cell* cell = Writable(cells_, row, column)) {
        cell->textColor = color;
        cells_->changed(row, column);
    }
}

void FlexGrid::setCellBackColor(int row, int column, const QColor& color) {
    if (Cell* cell = Writable(cells_, row, column)) {
        cell->backColor = color;
        cells_->changed(row, column);
    }
}

void FlexGrid::setCell(int row, int column, const QString& text, const QColor& textColor,
                       const QColor& backColor) {
    if (Cell* cell = Writable(cells_, row, column)) {
        cell->text.Set(text);
        cell->textColor = textColor;
        cell->backColor = backColor;
        cells_->changed(row, column);
    }
}

void FlexGrid::setCellNumber(int row, int column, long long number) {
    if (Cell* cell = Writable(cells_, row, column)) {
        cell->text.SetNumber(number);
        cells_->changed(row, column);
    }
}

void FlexGrid::setDefaultTextColor(const QColor& color) {
    model_->setDefaultText(color);
}
void FlexGrid::setDefaultBackColor(const QColor& color) {
    model_->setDefaultBack(color);
}

void FlexGrid::ClearCell(int row, int column) {
    if (Cell* cell = Writable(cells_, row, column)) {
        *cell = {};
        cells_->changed(row, column);
    }
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
    // The row is tinted with the selection colour, light enough that each cell's own
    // colour still reads, and framed, so the pick stands out at a glance.
    QPainter painter(viewport());
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(64);
    painter.fillRect(band, tint);
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
