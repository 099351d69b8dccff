// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace orvanta {

// The layout is measured in twips; 15 twips make one logical pixel, and Qt scales
// logical pixels on high-density screens.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace orvanta
