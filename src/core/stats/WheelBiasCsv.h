// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/stats/WheelBias.h"

namespace orvanta {

// The table and the tests of a report as comma-separated values, for a spreadsheet:
// a title line naming the span studied, then blocks separated by an empty line, each
// with its own heading row: the numbers in wheel order; the chi-squared tests; their
// cells; the hottest number; the hottest arcs. Numbers are written exactly and
// without thousands separators; a figure that does not exist (no spins, or an arc's
// simulation not finished) is an empty field. `arcPValues` is parallel to
// `report.arcs`, or empty while unknown. Lines end in CR LF.
std::string WheelBiasCsv(const WheelBiasReport& report, std::string_view spanText,
                         std::span<const double> arcPValues);

}  // namespace orvanta
