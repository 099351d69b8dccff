// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <array>

namespace orvanta::art {

inline constexpr QSize kSplashPictureSize{429, 227};
inline constexpr std::array<int, 4> kIconSizes = {48, 64, 128, 256};

// The splash picture: the wheel's numbers as a ring over a red and a black half,
// with the program's name across the middle.
QImage RenderSplash(qreal scale);

// The window icon: a small wheel on a transparent ground, size x size pixels at scale.
QImage RenderIcon(int size, qreal scale);

}  // namespace orvanta::art
