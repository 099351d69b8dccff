// SPDX-License-Identifier: GPL-3.0-or-later

#include "TablePainter.h"

#include <QPainter>

#include <array>

#include "core/model/NumberTable.h"

#include "ui/LayoutTables.h"

#include "ArtKit.h"

namespace orvanta::art {

namespace {

// The betting layout in picture pixels, on the number cells that the layout tables
// share with the window, so each number and outside box lies under its own area.
constexpr const std::array<double, 4>& kColumnEdges = kTableColumnEdges;
constexpr double kFirstRowEdge = kTableFirstRowEdge;
constexpr double kRowPitch = kTableRowPitch;
constexpr int kRows = 12;
constexpr double kOutsideLeft = 26.0;
constexpr double kDozenLeft = 64.5;
constexpr double kFootBottom = 471.5;
constexpr double kPanelInset = 1.5;
constexpr double kPanelRadius = 5.0;

double RowEdge(int row) {
    return kFirstRowEdge + kRowPitch * row;
}

QPainterPath RoundedPanel(const QRectF& slot) {
    QPainterPath path;
    path.addRoundedRect(slot.adjusted(kPanelInset, kPanelInset, -kPanelInset, -kPanelInset), kPanelRadius,
                        kPanelRadius);
    return path;
}

// The zero's box: a house over the three number columns whose roof rises to a point
// above the zero, low enough at its eaves to leave the caption strip above it clear.
QPainterPath House() {
    const double left = kColumnEdges.front() + kPanelInset;
    const double right = kColumnEdges.back() - kPanelInset;
    const double bottom = kFirstRowEdge - kPanelInset;
    const double eaves = 26.0;
    const double ridge = 9.0;
    QPainterPath path;
    path.moveTo(left + kPanelRadius, bottom);
    path.quadTo(left, bottom, left, bottom - kPanelRadius);
    path.lineTo(left, eaves);
    path.lineTo((left + right) / 2, ridge);
    path.lineTo(right, eaves);
    path.lineTo(right, bottom - kPanelRadius);
    path.quadTo(right, bottom, right - kPanelRadius, bottom);
    path.closeSubpath();
    return path;
}

QRectF MarkBox(int n) {
    const PictureRect box = NumberMarkBox(n);
    return {box.left, box.top, box.width, box.height};
}

QPainterPath Diamond(const QPointF& centre, double halfWidth, double halfHeight) {
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - halfHeight);
    path.lineTo(centre.x() + halfWidth, centre.y());
    path.lineTo(centre.x(), centre.y() + halfHeight);
    path.lineTo(centre.x() - halfWidth, centre.y());
    path.closeSubpath();
    return path;
}

struct OutsideBox {
    int firstRow;
    int rows;
    const char* words;
};

// The outside column beside the dozens, two rows per box; the colour box holds both diamonds.
constexpr std::array<OutsideBox, 5> kOutsideBoxes = {{
    {0, 2, "1 to 18"},
    {2, 2, "EVEN"},
    {4, 4, ""},
    {8, 2, "ODD"},
    {10, 2, "19 to 36"},
}};
constexpr std::array<const char*, 3> kDozens = {"1st 12", "2nd 12", "3rd 12"};

}  // namespace

void TableStyle::Finish(QPainter&, const QRectF&) const {}

QImage RenderTable(int index, qreal scale) {
    const std::unique_ptr<TableStyle> style = MakeTableStyle(index);
    QImage image = NewCanvas(kTablePictureSize, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    const QRectF picture(QPointF(0, 0), QSizeF(kTablePictureSize));

    style->Ground(p, picture);

    style->Panel(p, House());
    std::vector<QRectF> outsideSlots;
    for (const OutsideBox& box : kOutsideBoxes) {
        const QRectF slot(QPointF(kOutsideLeft, RowEdge(box.firstRow)),
                          QPointF(kDozenLeft, RowEdge(box.firstRow + box.rows)));
        outsideSlots.push_back(slot);
        style->Panel(p, RoundedPanel(slot));
    }
    std::vector<QRectF> dozenSlots;
    for (int i = 0; i < 3; ++i) {
        const QRectF slot(QPointF(kDozenLeft, RowEdge(4 * i)), QPointF(kColumnEdges[0], RowEdge(4 * i + 4)));
        dozenSlots.push_back(slot);
        style->Panel(p, RoundedPanel(slot));
    }
    std::vector<QRectF> footSlots;
    for (int i = 0; i < 3; ++i) {
        const QRectF slot(QPointF(kColumnEdges[std::size_t(i)], RowEdge(kRows)),
                          QPointF(kColumnEdges[std::size_t(i) + 1], kFootBottom));
        footSlots.push_back(slot);
        style->Panel(p, RoundedPanel(slot));
    }

    const NumberTable numbers = BuildNumberTable();
    std::array<QRectF, kNumberCount> ovals;
    for (int n = 1; n <= kHighestNumber; ++n) {
        const int row = (n - 1) / 3;
        const auto column = std::size_t((n - 1) % 3);
        const QRectF slot(QPointF(kColumnEdges[column], RowEdge(row)),
                          QPointF(kColumnEdges[column + 1], RowEdge(row + 1)));
        style->Cell(p, slot);
        ovals[std::size_t(n)] = MarkBox(n);
    }

    QPainterPath zero;
    zero.addRoundedRect(MarkBox(0), 9, 9);
    style->Mark(p, zero, Token::Green);
    for (int n = 1; n <= kHighestNumber; ++n) {
        QPainterPath oval;
        oval.addEllipse(ovals[std::size_t(n)]);
        style->Mark(p, oval, numbers[std::size_t(n)].Color == "R" ? Token::Red : Token::Black);
    }
    const QRectF colourSlot = outsideSlots[2];
    const double x = colourSlot.center().x();
    const double quarter = colourSlot.height() / 4;
    style->Mark(p, Diamond({x, colourSlot.top() + quarter}, 14, 26), Token::Red);
    style->Mark(p, Diamond({x, colourSlot.bottom() - quarter}, 14, 26), Token::Black);

    style->Finish(p, picture);

    style->Numeral(p, MarkBox(0), "0", 16);
    for (int n = 1; n <= kHighestNumber; ++n) {
        style->Numeral(p, ovals[std::size_t(n)], QString::number(n), 15);
    }
    for (std::size_t i = 0; i < kOutsideBoxes.size(); ++i) {
        if (*kOutsideBoxes[i].words != '\0') {
            style->Words(p, outsideSlots[i], kOutsideBoxes[i].words, 12, true);
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        style->Words(p, dozenSlots[i], kDozens[i], 13, true);
        style->Words(p, footSlots[i], "2 to 1", 12, false);
    }
    p.end();
    return image;
}

}  // namespace orvanta::art
