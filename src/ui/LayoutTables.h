// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "core/charts/ChartStatistics.h"

namespace orvanta {

// A rectangle of the layout in twips, measured from the tab control's top-left corner.
// Plain data, so that the artwork generator draws from the same places that the
// window puts its click areas on.
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

// The click area over each number of the table picture, indexed by the number.
inline constexpr std::array<TwipsBox, 37> kTableNumBoxes = {{
    {9855, 915, 615, 405},                                                    // 0
    {8880, 1410, 840, 450}, {9765, 1410, 825, 450}, {10620, 1410, 810, 450},  // 1 2 3
    {8895, 1905, 825, 450}, {9765, 1905, 825, 450}, {10620, 1905, 810, 450},  // 4 5 6
    {8880, 2400, 840, 450}, {9765, 2400, 840, 450}, {10560, 2400, 885, 450},  // 7 8 9
    {8895, 2895, 840, 450}, {9765, 2895, 810, 450}, {10620, 2895, 825, 450},  // 10 11 12
    {8880, 3390, 840, 450}, {9750, 3390, 825, 450}, {10605, 3375, 840, 465},  // 13 14 15
    {8880, 3870, 840, 465}, {9750, 3870, 825, 465}, {10605, 3870, 840, 465},  // 16 17 18
    {8880, 4380, 840, 450}, {9750, 4380, 825, 450}, {10605, 4380, 840, 450},  // 19 20 21
    {8880, 4875, 840, 450}, {9750, 4875, 825, 450}, {10605, 4875, 840, 450},  // 22 23 24
    {8880, 5370, 840, 450}, {9750, 5370, 825, 450}, {10620, 5370, 825, 450},  // 25 26 27
    {8880, 5865, 840, 450}, {9750, 5865, 825, 450}, {10620, 5880, 810, 435},  // 28 29 30
    {8880, 6360, 840, 450}, {9750, 6360, 825, 450}, {10620, 6360, 810, 450},  // 31 32 33
    {8880, 6855, 840, 450}, {9750, 6855, 825, 450}, {10620, 6855, 810, 450},  // 34 35 36
}};

// Hot spots over the outside boxes of the table; a click chooses the category.
struct HotSpot {
    const char* objectName;
    TwipsBox box;
    const char* category;
};

inline constexpr std::array<HotSpot, 7> kHotSpots = {{
    {"imgN12", {8325, 1410, 495, 5880}, "n 12"},
    {"imgHighLow_0", {7755, 1395, 510, 945}, "High / Low"},
    {"imgHighLow_1", {7755, 6345, 510, 945}, "High / Low"},
    {"imgEvenOdd_0", {7755, 2400, 510, 930}, "Even / Odd"},
    {"imgEvenOdd_1", {7755, 5355, 510, 945}, "Even / Odd"},
    {"imgColor", {7635, 3390, 630, 1920}, "Color"},
    {"imgColumn", {8880, 7335, 2565, 435}, "Column"},
}};

inline constexpr TwipsBox kTablePictureBox = {7335, 720, 4200, 7170};

// A rectangle in pixels of the 280 x 478 table picture.
struct PictureRect {
    double left;
    double top;
    double width;
    double height;
};

// The number cells of the table picture: the edges of its three columns and of the
// first of its twelve rows, in picture pixels. Every edge sits in the gap between two
// neighbouring click areas.
inline constexpr std::array<double, 4> kTableColumnEdges = {101.5, 160.5, 218.0, 275.0};
inline constexpr double kTableFirstRowEdge = 44.5;
inline constexpr double kTableRowPitch = 33.0;  // 495 twips

// The box the table pictures paint for number n: the zero's box under the theme
// caption, the oval of 1 to 36 in the middle of its cell. Each lies inside its click
// area and clear of the caption (which reaches row 18 of the picture with its white
// outline), so wherever a user sees a number a click records it.
constexpr PictureRect NumberMarkBox(int n) {
    if (n == 0) {
        return {170, 20, 37, 19};
    }
    constexpr double kOvalWidth = 40;
    constexpr double kOvalHeight = 23;
    const auto column = static_cast<std::size_t>((n - 1) % 3);
    const int row = (n - 1) / 3;
    const double centreX = (kTableColumnEdges[column] + kTableColumnEdges[column + 1]) / 2;
    const double centreY = kTableFirstRowEdge + kTableRowPitch * (row + 0.5);
    return {centreX - kOvalWidth / 2, centreY - kOvalHeight / 2, kOvalWidth, kOvalHeight};
}
inline constexpr TwipsBox kBackgroundBox = {30, 315, 11775, 7650};

// The table-name caption and its eight shadow copies as stored.
inline constexpr TwipsBox kTableNameBox = {7440, 735, 3960, 255};
inline constexpr std::array<TwipsBox, 8> kTableNameShadowBoxes = {{
    {7350, 750, 1665, 255},
    {7320, 720, 1695, 255},
    {7350, 720, 1695, 255},
    {7320, 750, 1695, 255},
    {7320, 735, 1695, 255},
    {7365, 735, 1695, 255},
    {7335, 720, 1695, 300},
    {7320, 750, 1695, 300},
}};

// Where each chart instance stands: index 0 on the summary page, index 1 alone on
// its own page, with their places in the tab order.
struct ChartPlace {
    ChartKind kind;
    int index;
    int page;  // position of the tab, 0-based
    TwipsBox box;
    int tabIndex;
};

inline constexpr std::array<ChartPlace, 16> kChartPlaces = {{
    {ChartKind::Color, 0, 1, {240, 360, 3315, 2145}, 17},
    {ChartKind::HighLow, 0, 1, {3840, 360, 3255, 2145}, 18},
    {ChartKind::EvenOdd, 0, 1, {8040, 360, 3435, 2145}, 19},
    {ChartKind::Row, 0, 1, {240, 4920, 5715, 2985}, 20},
    {ChartKind::Column, 0, 1, {8040, 2640, 3435, 2265}, 21},
    {ChartKind::N6, 0, 1, {3840, 2640, 4155, 2265}, 22},
    {ChartKind::N12, 0, 1, {240, 2640, 3315, 2265}, 23},
    {ChartKind::Sector, 0, 1, {6120, 4920, 5235, 2985}, 24},
    {ChartKind::Color, 1, 2, {1920, 1080, 7875, 5625}, 25},
    {ChartKind::HighLow, 1, 3, {1920, 1080, 7875, 5625}, 26},
    {ChartKind::EvenOdd, 1, 4, {1920, 1080, 7875, 5625}, 27},
    {ChartKind::N12, 1, 5, {1920, 1080, 7875, 5625}, 28},
    {ChartKind::Row, 1, 6, {1920, 1080, 7875, 5525}, 29},
    {ChartKind::Column, 1, 7, {1920, 1080, 7875, 5625}, 30},
    {ChartKind::N6, 1, 8, {1680, 840, 8115, 5865}, 31},
    {ChartKind::Sector, 1, 9, {1920, 1080, 7875, 5625}, 32},
}};

// Places of the Main page's windowed controls. The page background paints its
// panels and captions around these boxes, so that no control hides a caption.
inline constexpr TwipsBox kResultsGridBox = {240, 720, 4575, 5055};
inline constexpr TwipsBox kScrollMainBox = {4800, 720, 255, 5050};
inline constexpr TwipsBox kInsertButtonBox = {1800, 5880, 1575, 375};
inline constexpr TwipsBox kRemoveButtonBox = {3480, 5880, 1575, 375};
inline constexpr TwipsBox kMessagesBox = {240, 6600, 4815, 1215};
inline constexpr TwipsBox kCategoryBox = {5400, 720, 1575, 315};
inline constexpr TwipsBox kSearchGrid1Box = {5400, 1080, 495, 4740};
inline constexpr TwipsBox kScrollS1Box = {5880, 1080, 255, 4735};
inline constexpr TwipsBox kSearchGrid2Box = {6240, 1080, 495, 4740};
inline constexpr TwipsBox kScrollS2Box = {6720, 1080, 255, 4735};
inline constexpr TwipsBox kRunLengthSliderBox = {5400, 6225, 1530, 330};
inline constexpr TwipsBox kDepthSliderBox = {5415, 6930, 1530, 330};
inline constexpr TwipsBox kCalculateButtonBox = {5400, 7440, 1575, 375};

}  // namespace orvanta
