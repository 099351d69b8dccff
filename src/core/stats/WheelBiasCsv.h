// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "core/stats/Evidence.h"
#include "core/stats/VerdictSimulation.h"
#include "core/stats/WheelBias.h"

namespace orvanta {

// The table and the tests of a report as comma-separated values, for a spreadsheet:
// a title line naming the span studied, then blocks separated by an empty line, each
// with its own heading row: the numbers in wheel order; the chi-squared tests; their
// cells; the hottest number; the hottest arcs; the verdict and each of its tests'
// p-values among the simulated fair histories; the live evidence of the whole history
// and of each family. Numbers are written exactly and without thousands separators;
// a figure that does not exist (no spins, or the simulation not finished, when
// `findings` is null) is an empty field. Lines end in CR LF.
std::string WheelBiasCsv(const WheelBiasReport& report, std::string_view spanText,
                         const VerdictFindings* findings, const EvidenceReport& evidence);

}  // namespace orvanta
