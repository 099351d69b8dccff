// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/SpinModel.h"

#include <limits>

#include "core/model/CodeText.h"

namespace orvanta {

namespace {

// Raises the array element that a code names; "-" (no value) and codes outside
// the array count nowhere.
template <std::size_t N>
void CountCode(std::array<int, N>& counts, const std::string& code) {
    if (code == "-") {
        return;
    }
    const int index = CodeValue(code);
    if (index > 0 && static_cast<std::size_t>(index) < N) {
        ++counts[static_cast<std::size_t>(index)];
    }
}

}  // namespace

void SpinModel::AddResult(int n) {
    if (!IsWheelNumber(n) || spins_.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return;
    }
    spins_.push_back(static_cast<std::int8_t>(n));

    const NumberInfo& info = (*table_)[static_cast<std::size_t>(n)];
    SpinTallies& t = tallies_;

    if (info.Color == "-") {
        ++t.ZeroCount;
    } else if (info.Color == "R") {
        ++t.RedCount;
    } else if (info.Color == "B") {
        ++t.BlackCount;
    }

    if (info.HighLow == "H") {
        ++t.HighCount;
    } else if (info.HighLow == "L") {
        ++t.LowCount;
    }

    if (info.EvenOdd == "E") {
        ++t.EvenCount;
    } else if (info.EvenOdd == "O") {
        ++t.OddCount;
    }

    CountCode(t.N6Count, info.N6);
    CountCode(t.N12Count, info.N12);
    CountCode(t.RowCount, info.Row);
    CountCode(t.ColumnCount, info.Column);
    CountCode(t.SectorCount, info.Sector);
}

void SpinModel::ClearResults() {
    spins_.clear();
    tallies_ = SpinTallies{};
}

std::string SpinModel::SlotText(int i) const {
    if (i < 1 || i > SpinCount()) {
        return "  ";
    }
    std::string text = std::to_string(SpinAt(i));
    text.resize(2, ' ');
    return text;
}

}  // namespace orvanta
