// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvanta {

inline constexpr int kTablePictureCount = 8;
inline constexpr int kBackgroundPictureCount = 5;

// The pictures the window carries, from the program's resources. Each comes at the
// device pixel ratio of the screen: on a high-density screen the twice-as-large
// rendering, with the same size in logical pixels. An index out of range gives a
// null pixmap.
QPixmap TablePicture(int index);       // 1 to 8, 280 x 478
QPixmap BackgroundPicture(int index);  // 1 to 5, 785 x 510
QPixmap SplashPicture();               // 429 x 227
QIcon WindowIcon();                    // 48, 64, 128 and 256 pixels

// One picture by its stem ("table2"), the rendering for devicePixelRatio (1 or 2).
QPixmap PictureResource(const QString& stem, qreal devicePixelRatio);

}  // namespace orvanta
