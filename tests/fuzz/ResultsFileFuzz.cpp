// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the input as a results file three times: whole, in chunks whose sizes the
// input's first byte picks, and in those chunks the way a load reads (TakeSpins). Checks
// that the readings agree and keep the reader's promises; then writes the spins read
// and reads them back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/ResultsFile.h"
#include "core/model/SpinModel.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<orvanta::ResultsField> ReadAll(std::string_view bytes, std::size_t chunk) {
    orvanta::ResultsFileReader reader;
    std::vector<orvanta::ResultsField> fields;
    auto drain = [&] {
        while (auto field = reader.Next()) {
            fields.push_back(*field);
        }
    };
    while (!bytes.empty()) {
        const std::size_t take = std::min(chunk, bytes.size());
        reader.Feed(bytes.substr(0, take));
        bytes.remove_prefix(take);
        drain();
    }
    reader.Finish();
    drain();
    return fields;
}

// The way a load reads: every spin of each chunk at once, up to the field that stops it.
std::vector<orvanta::ResultsField> TakeAll(std::string_view bytes, std::size_t chunk) {
    orvanta::ResultsFileReader reader;
    std::vector<std::int8_t> spins;
    std::optional<orvanta::ResultsField> stop;
    while (!bytes.empty() && !stop) {
        const std::size_t take = std::min(chunk, bytes.size());
        reader.Feed(bytes.substr(0, take));
        bytes.remove_prefix(take);
        stop = reader.TakeSpins(spins);
    }
    reader.Finish();
    if (!stop) {
        stop = reader.TakeSpins(spins);
    }
    std::vector<orvanta::ResultsField> fields;
    for (const std::int8_t n : spins) {
        orvanta::ResultsField field;
        field.number = n;
        fields.push_back(field);
    }
    if (stop) {
        fields.push_back(*stop);
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t chunk = 1 + data[0] % 17;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto whole = ReadAll(bytes, bytes.size() + 1);
    const auto chunked = ReadAll(bytes, chunk);
    Require(whole == chunked);
    // Spins carry no place of their own: only their numbers and the stop must agree.
    const auto taken = TakeAll(bytes, chunk);
    Require(taken.size() == whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        Require(whole[i].IsSpin() ? taken[i].IsSpin() && taken[i].number == whole[i].number
                                  : taken[i] == whole[i]);
    }

    static const orvanta::NumberTable kTable = orvanta::BuildNumberTable();
    orvanta::SpinModel model(kTable);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const auto& field = whole[i];
        if (field.IsSpin()) {
            Require(field.number >= 0 && field.number <= 36);
            Require(field.text.empty());
            model.AddResult(field.number);
        } else {
            // An unusable field ends the load.
            Require(i + 1 == whole.size());
            Require(field.text.size() <= orvanta::ResultsField::kMaxTextBytes);
            Require(!orvanta::DescribeUnusableField(field).empty());
        }
    }

    const auto again = ReadAll(orvanta::ResultsFileBytes(model), 4096);
    Require(static_cast<int>(again.size()) == model.SpinCount());
    std::size_t slot = 0;
    for (const auto& field : whole) {
        if (field.IsSpin()) {
            Require(again[slot].IsSpin() && again[slot].number == field.number);
            ++slot;
        }
    }
    return 0;
}
