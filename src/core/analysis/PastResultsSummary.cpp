// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/analysis/PastResultsSummary.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/model/Category.h"
#include "core/stats/FigureText.h"

namespace orvanta {

namespace {

constexpr std::string_view kMiddleDot = "\u00B7";

std::string Trimmed(std::string_view code) {
    while (!code.empty() && code.back() == ' ') {
        code.remove_suffix(1);
    }
    return std::string(code == "-" ? "0" : code);
}

std::string RunText(const SpinModel& model, const Category& category, int runLength) {
    const auto& spins = model.Spins();
    std::vector<std::string> codes;
    for (auto at = spins.end() - runLength; at != spins.end(); ++at) {
        codes.push_back(Trimmed(CodeOf(model.Table()[*at], category.Column)));
    }
    if (runLength == 1) {
        return codes.front();
    }
    if (std::ranges::all_of(codes, [&](const std::string& code) { return code == codes.front(); })) {
        return codes.front() + ", " + std::to_string(runLength) + " in a row";
    }
    std::string text;
    for (const std::string& code : codes) {
        text += (text.empty() ? "" : " ") + code;
    }
    return text;
}

}  // namespace

std::string ListTotals(const std::vector<std::string>& list) {
    // Codes in the order they first come, so ties keep the order of the list.
    std::vector<std::pair<std::string, int>> counts;
    std::map<std::string, std::size_t> where;
    for (const std::string& entry : list) {
        const auto [at, isNew] = where.try_emplace(Trimmed(entry), counts.size());
        if (isNew) {
            counts.emplace_back(at->first, 0);
        }
        ++counts[at->second].second;
    }
    std::ranges::stable_sort(counts, std::greater{}, &std::pair<std::string, int>::second);
    std::string text;
    for (const auto& [code, count] : counts) {
        if (!text.empty()) {
            text.append(" ").append(kMiddleDot).append(" ");
        }
        text += code + " " + FormatCount(count);
    }
    return text;
}

std::string DescribePastResults(const SpinModel& model, std::string_view categoryText, int runLength,
                                int recursionDepth, const PastResults& results) {
    const Category* category = FindCategory(categoryText);
    if (category == nullptr || runLength < 1) {
        return {};
    }
    const std::string spins = FormatCount(model.SpinCount()) + (model.SpinCount() == 1 ? " spin" : " spins");
    if (model.SpinCount() <= runLength) {
        return "A run of " + std::to_string(runLength) + " needs more than " + spins +
               " to have come before: nothing to search.";
    }
    const std::string run = RunText(model, *category, runLength);
    if (results.list1.empty()) {
        return run + ": no earlier run of this length in " + spins + ".";
    }
    const std::size_t found = results.list1.size();
    std::string text = run + ": " + FormatCount(static_cast<long long>(found)) +
                       (found == 1 ? " earlier run" : " earlier runs") + "; next came " +
                       ListTotals(results.list1) + ".";
    if (recursionDepth > 0) {
        text += results.list2.empty() ? " List 2 is empty." : " List 2: " + ListTotals(results.list2) + ".";
    }
    return text;
}

}  // namespace orvanta
