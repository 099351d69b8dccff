// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace orvanta::art {

inline constexpr QSize kBackgroundPictureSize{785, 510};
inline constexpr int kBackgroundStyleCount = 5;

// The Main page background of style index (1 grey window frames, 2 soft embossed,
// 3 flame borders, 4 glowing tubes, 5 dark wood) at scale times 785 x 510 pixels.
QImage RenderBackground(int index, qreal scale);

}  // namespace orvanta::art
