// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

#include <vector>

namespace orvanta {

// Where a page background may repeat to grow. The rows of one band repeat downwards
// to fill the extra height. For the extra width the picture is cut into strips from
// top to bottom, and each strip names, for every column line of the page, the band of
// its columns that repeats across: a strip whose controls stand close together (a row
// of buttons) repeats the narrow gap between them, an open strip a wide band, so a
// texture does not show a short repeat where it need not.
struct PictureBands {
    struct Band {
        int start;
        int length;
    };
    struct Strip {
        int bottom;                // the strip ends above this row
        std::vector<Band> across;  // one band per column line, left to right
    };
    Band down;
    std::vector<Strip> strips;  // the last one reaches the picture's foot
};

// The page background made larger without stretching what it paints: everything left
// of (above) a band stays as it is, everything right of (below) it moves out by the
// band's extra, and the band repeats to fill the gap. Bands that run through plain panel
// insides and frame edges only, clear of every caption, keep the captions and the
// frames' corners sharp. Sizes are in logical pixels; the picture keeps its density
// (the twice-as-dense art stays twice as dense).
QPixmap StretchPicture(const QPixmap& picture, const PictureBands& bands, const std::vector<int>& extraWidths,
                       int extraHeight);

}  // namespace orvanta
