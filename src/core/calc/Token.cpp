// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Token.h"

#include <string>
#include <utility>

#include "core/calc/EvaluationAborted.h"

namespace orvanta {

namespace {
const Token kEmptyToken{};
}  // namespace

const Token& TokenList::operator[](int slot) const {
    if (slot < 0 || slot > kLastSlot) {
        throw EvaluationAborted("the line reaches past its " + std::to_string(kLastSlot) + "th token");
    }
    if (slot == 0 || slot > Count()) {
        return kEmptyToken;
    }
    return tokens_[static_cast<std::size_t>(slot - 1)];
}

void TokenList::Append(Token token) {
    if (Count() >= kLastSlot) {
        throw EvaluationAborted("the line has more than " + std::to_string(kLastSlot) + " tokens");
    }
    tokens_.push_back(std::move(token));
}

TokenList TokenList::Slice(int first, int stop) const {
    TokenList slice;
    for (int slot = first; slot < stop && !(*this)[slot].IsEmpty(); ++slot) {
        slice.Append((*this)[slot]);
    }
    return slice;
}

}  // namespace orvanta
