// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/analysis/PastResults.h"

#include <array>
#include <cstdint>

#include "core/model/Category.h"

namespace orvanta {

namespace {

// Codes are compared through small ids instead of texts: two spins get the same id
// exactly when their codes are the same text.
// A text that names no category gives every number the same blank code.
using CodeId = std::uint8_t;

struct CodeAlphabet {
    std::array<CodeId, kNumberCount> idOfNumber{};
    std::vector<std::string> textOfId;  // padded to two characters
};

std::string PadToTwo(std::string_view code) {
    std::string text(code.substr(0, 2));
    text.resize(2, ' ');
    return text;
}

CodeAlphabet MakeAlphabet(const NumberTable& table, const Category* category) {
    CodeAlphabet alphabet;
    for (int n = 0; n < kNumberCount; ++n) {
        const std::string text = PadToTwo(category != nullptr ? CodeOf(table[n], category->Column) : "");
        CodeId id = 0;
        while (id < alphabet.textOfId.size() && alphabet.textOfId[id] != text) {
            ++id;
        }
        if (id == alphabet.textOfId.size()) {
            alphabet.textOfId.push_back(text);
        }
        alphabet.idOfNumber[n] = id;
    }
    return alphabet;
}

// Followers of the latest run: windows end at every slot from the newest-but-one
// down to runLength, overlapping freely.
std::vector<CodeId> FirstPass(const std::vector<CodeId>& codes, int runLength) {
    std::vector<CodeId> followers;
    const int n = static_cast<int>(codes.size());
    // codes[k - 1] is slot k.
    const auto slot = [&](int k) { return codes[static_cast<std::size_t>(k - 1)]; };
    for (int i = n - 1; i >= runLength; --i) {
        bool match = true;
        for (int j = 0; j < runLength && match; ++j) {
            match = slot(n - j) == slot(i - j);
        }
        if (match) {
            followers.push_back(slot(i + 1));
        }
    }
    return followers;
}

// One recursive pass over a newest-first list: the pattern is the list's own
// leading run, and the entry before each later match is the one that followed it.
// The window that would end at the last entry is deliberately not compared.
std::vector<CodeId> RecursivePass(const std::vector<CodeId>& work, int runLength) {
    std::vector<CodeId> followers;
    const int m = static_cast<int>(work.size());
    const auto slot = [&](int k) { return work[static_cast<std::size_t>(k - 1)]; };
    for (int i = 2; i <= m - runLength; ++i) {
        bool match = true;
        for (int j = 0; j < runLength && match; ++j) {
            match = slot(j + 1) == slot(i + j);
        }
        if (match) {
            followers.push_back(slot(i - 1));
        }
    }
    return followers;
}

std::vector<std::string> ToTexts(const std::vector<CodeId>& ids, const CodeAlphabet& alphabet) {
    std::vector<std::string> texts;
    texts.reserve(ids.size());
    for (CodeId id : ids) {
        texts.push_back(alphabet.textOfId[id]);
    }
    return texts;
}

}  // namespace

PastResults SearchPastResults(const SpinModel& model, std::string_view categoryText, int runLength,
                              int recursionDepth) {
    if (runLength < 1) {
        return {};
    }
    const Category* category = FindCategory(categoryText);
    const CodeAlphabet alphabet = MakeAlphabet(model.Table(), category);

    std::vector<CodeId> codes;
    codes.reserve(model.Spins().size());
    for (const auto n : model.Spins()) {
        codes.push_back(alphabet.idOfNumber[static_cast<std::size_t>(n)]);
    }

    const std::vector<CodeId> first = FirstPass(codes, runLength);
    std::vector<CodeId> work = first;
    std::vector<CodeId> last;
    for (int pass = 0; pass < recursionDepth; ++pass) {
        last = RecursivePass(work, runLength);
        work = last;
    }
    return {ToTexts(first, alphabet), ToTexts(last, alphabet)};
}

std::string UnknownCategoryNote(std::string_view categoryText) {
    if (FindCategory(categoryText) != nullptr) {
        return {};
    }
    std::string note = "'";
    note += categoryText;
    note += "' is not a category: every run matched, no code was collected";
    return note;
}

}  // namespace orvanta
