// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/StretchedPicture.h"

#include <QPainter>

#include <cmath>
#include <numeric>

namespace orvanta {

namespace {

QRect Scaled(const QRect& rect, qreal ratio) {
    return {static_cast<int>(std::lround(rect.x() * ratio)), static_cast<int>(std::lround(rect.y() * ratio)),
            static_cast<int>(std::lround(rect.width() * ratio)),
            static_cast<int>(std::lround(rect.height() * ratio))};
}

// Copies source to target, or repeats it over target when target is larger.
void Put(QPainter& painter, const QPixmap& picture, const QRect& source, const QRect& target) {
    if (source.isEmpty() || target.isEmpty()) {
        return;
    }
    const qreal ratio = picture.devicePixelRatio();
    if (source.size() == target.size()) {
        painter.drawPixmap(target, picture, Scaled(source, ratio));
        return;
    }
    QPixmap tile = picture.copy(Scaled(source, ratio));
    tile.setDevicePixelRatio(ratio);
    painter.drawTiledPixmap(target, tile);
}

QPixmap Blank(QSize size, qreal ratio) {
    QPixmap result(Scaled(QRect(QPoint(0, 0), size), ratio).size());
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    return result;
}

}  // namespace

QPixmap StretchPicture(const QPixmap& picture, const PictureBands& bands, const std::vector<int>& extraWidths,
                       int extraHeight) {
    const int extraWidth = std::accumulate(extraWidths.begin(), extraWidths.end(), 0);
    if (picture.isNull() || (extraWidth <= 0 && extraHeight <= 0)) {
        return picture;
    }
    const qreal ratio = picture.devicePixelRatio();
    const QSize base = picture.deviceIndependentSize().toSize();
    const int width = base.width();

    // Taller first: the rows of the band repeat, the rows below it move down.
    QPixmap taller = Blank(QSize(width, base.height() + extraHeight), ratio);
    {
        QPainter painter(&taller);
        const int bandEnd = bands.down.start + bands.down.length;
        Put(painter, picture, QRect(0, 0, width, bands.down.start), QRect(0, 0, width, bands.down.start));
        Put(painter, picture, QRect(0, bands.down.start, width, bands.down.length),
            QRect(0, bands.down.start, width, bands.down.length + extraHeight));
        Put(painter, picture, QRect(0, bandEnd, width, base.height() - bandEnd),
            QRect(0, bandEnd + extraHeight, width, base.height() - bandEnd));
    }

    // Then wider, strip by strip, each with its own bands.
    QPixmap result = Blank(QSize(width + extraWidth, base.height() + extraHeight), ratio);
    QPainter painter(&result);
    const auto moved = [&](int y) { return y > bands.down.start ? y + extraHeight : y; };
    int top = 0;
    for (const PictureBands::Strip& strip : bands.strips) {
        const int bottom = moved(strip.bottom);
        const int height = bottom - top;
        int from = 0;  // in the taller picture
        int to = 0;    // in the result
        for (std::size_t i = 0; i < strip.across.size() && i < extraWidths.size(); ++i) {
            const PictureBands::Band& band = strip.across[i];
            Put(painter, taller, QRect(from, top, band.start - from, height),
                QRect(to, top, band.start - from, height));
            to += band.start - from;
            Put(painter, taller, QRect(band.start, top, band.length, height),
                QRect(to, top, band.length + extraWidths[i], height));
            to += band.length + extraWidths[i];
            from = band.start + band.length;
        }
        Put(painter, taller, QRect(from, top, width - from, height), QRect(to, top, width - from, height));
        top = bottom;
    }
    return result;
}

}  // namespace orvanta
