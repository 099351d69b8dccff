// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/StretchedPicture.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace orvanta {

namespace {

// One axis cut in three: before the band, the band (repeated), after it.
struct Cut {
    std::array<int, 4> source;  // edges in the picture
    std::array<int, 4> target;  // edges in the result
};

Cut CutAxis(int length, int bandStart, int bandLength, int extra) {
    return {{0, bandStart, bandStart + bandLength, length},
            {0, bandStart, bandStart + bandLength + extra, length + extra}};
}

QRect Scaled(const QRect& rect, qreal ratio) {
    return {static_cast<int>(std::lround(rect.x() * ratio)), static_cast<int>(std::lround(rect.y() * ratio)),
            static_cast<int>(std::lround(rect.width() * ratio)),
            static_cast<int>(std::lround(rect.height() * ratio))};
}

}  // namespace

QPixmap StretchPicture(const QPixmap& picture, QSize size, QRect band) {
    const qreal ratio = picture.devicePixelRatio();
    const QSize base = picture.deviceIndependentSize().toSize();
    const QSize extra = (size - base).expandedTo(QSize(0, 0));
    if (picture.isNull() || extra.isEmpty() || band.isEmpty()) {
        return picture;
    }
    band = band.intersected(QRect(QPoint(0, 0), base));
    const Cut across = CutAxis(base.width(), band.x(), band.width(), extra.width());
    const Cut down = CutAxis(base.height(), band.y(), band.height(), extra.height());

    QPixmap result(Scaled(QRect(QPoint(0, 0), base + extra), ratio).size());
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    for (std::size_t column = 0; column < 3; ++column) {
        for (std::size_t row = 0; row < 3; ++row) {
            const QRect source(QPoint(across.source[column], down.source[row]),
                               QPoint(across.source[column + 1] - 1, down.source[row + 1] - 1));
            const QRect target(QPoint(across.target[column], down.target[row]),
                               QPoint(across.target[column + 1] - 1, down.target[row + 1] - 1));
            if (source.isEmpty() || target.isEmpty()) {
                continue;
            }
            if (source.size() == target.size()) {
                painter.drawPixmap(target, picture, Scaled(source, ratio));
            } else {
                QPixmap tile = picture.copy(Scaled(source, ratio));
                tile.setDevicePixelRatio(ratio);
                painter.drawTiledPixmap(target, tile);
            }
        }
    }
    return result;
}

}  // namespace orvanta
