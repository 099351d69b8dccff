// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <memory>

namespace orvanta::art {

inline constexpr QSize kTablePictureSize{280, 478};
inline constexpr int kTableStyleCount = 8;

enum class Token { Red, Black, Green };

// One look of the betting table. The layout code calls these in a fixed order:
// ground, panels (outside boxes and the zero's house), number cells, marks (number
// ovals, diamonds, the zero), finish, then the words and numerals on top.
class TableStyle {
public:
    virtual ~TableStyle() = default;
    virtual void Ground(QPainter& p, const QRectF& picture) const = 0;
    virtual void Panel(QPainter& p, const QPainterPath& shape) const = 0;
    virtual void Cell(QPainter& p, const QRectF& slot) const = 0;
    virtual void Mark(QPainter& p, const QPainterPath& shape, Token token) const = 0;
    virtual void Finish(QPainter& p, const QRectF& picture) const;
    // Words of the outside boxes; size in pixels.
    virtual void Words(QPainter& p, const QRectF& box, const QString& text, double size,
                       bool vertical) const = 0;
    virtual void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const = 0;
};

// Styles 1 to 8: green felt, flat felt, flames, black light, wood inlay, stone,
// tin toy, needle point.
std::unique_ptr<TableStyle> MakeTableStyle(int index);

// The table picture of style index at scale times 280 x 478 pixels.
QImage RenderTable(int index, qreal scale);

}  // namespace orvanta::art
