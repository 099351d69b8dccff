// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/colors/Rgb.h"
#include "core/model/SpinModel.h"

namespace orvanta {

// The eight charts, in the order in which every refresh rewrites them.
enum class ChartKind { Color, HighLow, EvenOdd, Row, Column, N12, N6, Sector };

inline constexpr std::array kChartKinds = {ChartKind::Color, ChartKind::HighLow, ChartKind::EvenOdd,
                                           ChartKind::Row,   ChartKind::Column,  ChartKind::N12,
                                           ChartKind::N6,    ChartKind::Sector};

// NOLINTBEGIN(readability-identifier-naming): the fields of a documented record keep
// the names that tools and tests outside the program know.
struct ChartPoint {
    std::string Label;       // the point's name, fixed
    std::string CountLabel;  // the count as text; empty until the first spin
    int Value = 0;

    bool operator==(const ChartPoint&) const = default;
};

// The data one chart instance shows.
struct ChartModel {
    std::string GroupLabel;
    std::vector<ChartPoint> Points;

    bool operator==(const ChartModel&) const = default;
};

// What the layout fixes for one point of a chart kind.
struct ChartPointStyle {
    std::string_view Label;
    Rgb Color;
    int Placeholder;  // shown until the first spin is recorded
};

struct ChartKindInfo {
    std::string_view ArrayName;   // "ChartColor": the name of both instances
    std::string_view GroupLabel;  // the label of the chart's single group
    std::string_view TabCaption;  // the caption of the large instance's own tab
    std::span<const ChartPointStyle> Points;
};
// NOLINTEND(readability-identifier-naming)

const ChartKindInfo& InfoOf(ChartKind kind);

// The model as the layout stores it: point names and placeholder values, no count labels.
ChartModel PlaceholderChartModel(ChartKind kind);

// Rewrites every point's value and count label from the tallies.
void UpdateChartModel(ChartModel& model, ChartKind kind, const SpinTallies& tallies);

ChartModel BuildChartModel(ChartKind kind, const SpinTallies& tallies);

// A count as the legend shows it: a blank where a sign would stand, then the digits (" 17").
std::string CountText(int count);

}  // namespace orvanta
