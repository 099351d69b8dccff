// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <array>

#include "ui/LayoutTables.h"
#include "ui/Twips.h"

namespace orvanta::testing {

inline QRectF MarkBox(int n) {
    const PictureRect box = NumberMarkBox(n);
    return {box.left, box.top, box.width, box.height};
}

// Where a user would click to hit the edge of number n's painted box, in picture
// pixels: its four corners and the middle of each side, inset pixels inside it.
inline std::array<QPointF, 8> MarkEdgePoints(int n, double inset) {
    const QRectF r = MarkBox(n).adjusted(inset, inset, -inset, -inset);
    const QPointF c = r.center();
    return {r.topLeft(),      r.topRight(),        r.bottomLeft(),    r.bottomRight(),
            {c.x(), r.top()}, {c.x(), r.bottom()}, {r.left(), c.y()}, {r.right(), c.y()}};
}

// A layout box in pixels of the table picture, placed as the window places both.
inline QRect InTablePicture(const TwipsBox& box) {
    const QRect picture = TwipsRect(kTablePictureBox.left, kTablePictureBox.top, 0, 0);
    return TwipsRect(box.left, box.top, box.width, box.height).translated(-picture.topLeft());
}

}  // namespace orvanta::testing
