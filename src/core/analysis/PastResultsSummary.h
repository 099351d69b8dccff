// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/PastResults.h"
#include "core/model/SpinModel.h"

namespace orvanta {

// How often each code comes in a result list, most frequent first ("R 6 · B 4 · 0 2");
// zero, which has no code but its number outside "Number", is written 0. "" for an
// empty list.
std::string ListTotals(const std::vector<std::string>& list);

// What an analysis run found, in one line for the status line: the run searched for
// ("R, 5 in a row" or "B R R B R", oldest first), how many earlier runs followed it
// and what came after them, or that the run never came before. Empty for a category
// text that names no category (the search's own note says why).
std::string DescribePastResults(const SpinModel& model, std::string_view categoryText, int runLength,
                                int recursionDepth, const PastResults& results);

}  // namespace orvanta
