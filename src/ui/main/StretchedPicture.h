// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

namespace orvanta {

// The page background made larger without stretching what it paints: the columns of
// band repeat side by side to fill the extra width, its rows one under the other to
// fill the extra height, and everything left of (above) the band stays as it is while
// everything right of (below) it moves out by the extra. A band that runs through
// plain panel insides and frame edges only, clear of every caption, keeps the
// captions and the frames' corners sharp. size and band are in logical pixels; the
// picture keeps its density (the twice-as-dense art stays twice as dense).
QPixmap StretchPicture(const QPixmap& picture, QSize size, QRect band);

}  // namespace orvanta
