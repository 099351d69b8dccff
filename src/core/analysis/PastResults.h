// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/SpinModel.h"

namespace orvanta {

// The two follower lists of one analysis run; every entry is a code blank-padded
// to two characters ("R ", "17"), the most recent occurrence first.
struct PastResults {
    std::vector<std::string> list1;  // followers of the latest run in the history
    std::vector<std::string> list2;  // followers found by the last recursive pass
};

// Takes the last runLength spins of the category named by categoryText as the
// pattern, collects the spin that followed every earlier occurrence (list1), then
// repeats the search recursionDepth times on the collected list itself (list2).
// A text that names no category compares nothing: every window matches and its
// entry is blank. The lists have no length limit.
PastResults SearchPastResults(const SpinModel& model, std::string_view categoryText, int runLength,
                              int recursionDepth);

// Why the lists of a run look as they do when its category text names no category
// (they hold blank entries only); "" for a text that names one.
std::string UnknownCategoryNote(std::string_view categoryText);

}  // namespace orvanta
