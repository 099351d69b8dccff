// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/charts/ChartStatistics.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace orvanta {

namespace {

constexpr Rgb kZeroGreen{10, 128, 10};

constexpr ChartPointStyle kColorPoints[] = {
    {"Red", {192, 0, 0}, 50},
    {"Black", {0, 0, 0}, 50},
    {"Zero", kZeroGreen, 34},
};

constexpr ChartPointStyle kHighLowPoints[] = {
    {"High", {0, 0, 112}, 50},
    {"Low", {192, 0, 0}, 50},
    {"Zero", kZeroGreen, 1},
};

constexpr ChartPointStyle kEvenOddPoints[] = {
    {"Even", {222, 105, 0}, 50},
    {"Odd", {192, 192, 50}, 50},
    {"Zero", kZeroGreen, 78},
};

constexpr ChartPointStyle kRowPoints[] = {
    {"Row 1", {192, 0, 0}, 50},   {"Row 2", {0, 0, 0}, 50},      {"Row 3", {0, 0, 255}, 18},
    {"Row 4", {255, 255, 0}, 73}, {"Row 5", {255, 0, 255}, 12},  {"Row 6", {0, 255, 255}, 37},
    {"Row 7", {64, 64, 64}, 98},  {"Row 8", {128, 0, 0}, 5},     {"Row 9", {10, 100, 100}, 62},
    {"Row 10", {0, 0, 128}, 17},  {"Row 11", {128, 128, 0}, 92}, {"Row 12", {128, 0, 128}, 39},
    {"Zero", kZeroGreen, 78},
};

constexpr ChartPointStyle kColumnPoints[] = {
    {"Left", {0, 0, 112}, 50},
    {"Middle", {128, 5, 5}, 50},
    {"Right", {192, 192, 50}, 25},
    {"Zero", kZeroGreen, 69},
};

constexpr ChartPointStyle kN12Points[] = {
    {"1st 12", {222, 105, 0}, 50},
    {"2nd 12", {192, 192, 50}, 50},
    {"3rd 12", {0, 0, 112}, 15},
    {"Zero", kZeroGreen, 82},
};

constexpr ChartPointStyle kN6Points[] = {
    {"1st 6", {222, 105, 0}, 50},  {"2nd 6", {192, 0, 0}, 50},   {"3rd 6", {0, 0, 112}, 47},
    {"4th 6", {64, 192, 192}, 46}, {"5th 6", {192, 64, 192}, 3}, {"6th 6", {192, 192, 50}, 31},
    {"Zero", kZeroGreen, 36},
};

// Zero belongs to the first sector, so this chart has no point of its own for it.
constexpr ChartPointStyle kSectorPoints[] = {
    {"0 -> 21", {222, 105, 0}, 50}, {"2 -> 27", {192, 192, 50}, 50}, {"13 -> 23", {0, 0, 255}, 47},
    {"10 -> 1", {255, 255, 0}, 46}, {"20 -> 18", {255, 0, 255}, 3},  {"29 -> 26", {0, 255, 255}, 31},
};

constexpr ChartKindInfo kInfos[] = {
    {"ChartColor", "Color", "Color", kColorPoints},
    {"ChartHighLow", "High / Low", "High/Low", kHighLowPoints},
    {"ChartEvenOdd", "Even / Odd", "Even/Odd", kEvenOddPoints},
    {"ChartRow", "Row", "Row", kRowPoints},
    {"ChartColumn", "Column", "Column", kColumnPoints},
    {"Chartn12", "n 12", "n 12", kN12Points},
    {"Chartn6", "n 6", "n 6", kN6Points},
    {"ChartSector", "Physical Division", "Wheel Sector", kSectorPoints},
};

// The tally that feeds point p (0-based) of a chart kind. The counted values come
// first in their code order; every kind but the sector ends with the zero count.
int TallyOfPoint(ChartKind kind, std::size_t p, const SpinTallies& t) {
    const auto valueOrZero = [&](const auto& counts, std::size_t valueCount) {
        return p < valueCount ? counts[p + 1] : t.ZeroCount;
    };
    switch (kind) {
        case ChartKind::Color:
            return std::array{t.RedCount, t.BlackCount, t.ZeroCount}[p];
        case ChartKind::HighLow:
            return std::array{t.HighCount, t.LowCount, t.ZeroCount}[p];
        case ChartKind::EvenOdd:
            return std::array{t.EvenCount, t.OddCount, t.ZeroCount}[p];
        case ChartKind::Row:
            return valueOrZero(t.RowCount, 12);
        case ChartKind::Column:
            return valueOrZero(t.ColumnCount, 3);
        case ChartKind::N12:
            return valueOrZero(t.N12Count, 3);
        case ChartKind::N6:
            return valueOrZero(t.N6Count, 6);
        case ChartKind::Sector:
            return t.SectorCount[p + 1];
    }
    return 0;
}

}  // namespace

const ChartKindInfo& InfoOf(ChartKind kind) {
    return kInfos[static_cast<std::size_t>(kind)];
}

ChartModel PlaceholderChartModel(ChartKind kind) {
    const ChartKindInfo& info = InfoOf(kind);
    ChartModel model{std::string(info.GroupLabel), {}};
    model.Points.reserve(info.Points.size());
    for (const ChartPointStyle& style : info.Points) {
        model.Points.push_back({std::string(style.Label), {}, style.Placeholder});
    }
    return model;
}

void UpdateChartModel(ChartModel& model, ChartKind kind, const SpinTallies& tallies) {
    const std::size_t pointCount = std::min(model.Points.size(), InfoOf(kind).Points.size());
    for (std::size_t p = 0; p < pointCount; ++p) {
        const int count = TallyOfPoint(kind, p, tallies);
        model.Points[p].Value = count;
        model.Points[p].CountLabel = CountText(count);
    }
}

ChartModel BuildChartModel(ChartKind kind, const SpinTallies& tallies) {
    ChartModel model = PlaceholderChartModel(kind);
    UpdateChartModel(model, kind, tallies);
    return model;
}

std::string CountText(int count) {
    // Short enough to stay inside the string itself: no allocation per point and spin.
    char text[16] = {' '};
    char* const digits = count < 0 ? text : text + 1;
    const auto end = std::to_chars(digits, std::end(text), count).ptr;
    return std::string(text, end);
}

}  // namespace orvanta
