// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/VariableTable.h"

#include <algorithm>

#include "core/calc/AsciiCase.h"

namespace orvanta {

namespace {

const std::string kEmptyText;
const Variable kEmptyVariable;

}  // namespace

const std::string& VariableTable::GetVariable(std::string_view name) const {
    for (int i = 1; i <= kLastSlot; ++i) {
        if (slots_[static_cast<std::size_t>(i)].Name == name) {
            return slots_[static_cast<std::size_t>(i)].Value;
        }
    }
    return kEmptyText;
}

void VariableTable::SetVariable(std::string_view name, std::string_view value) {
    for (int i = 1; i <= kLastSlot; ++i) {
        Variable& slot = slots_[static_cast<std::size_t>(i)];
        if (EqualIgnoringAsciiCase(slot.Name, name)) {
            slot.Name = name;
            slot.Value = value;
            return;
        }
    }
    int target = kOverflowSlot;
    for (int i = 1; i < kOverflowSlot; ++i) {
        if (slots_[static_cast<std::size_t>(i)].Name.empty()) {
            target = i;
            break;
        }
    }
    Variable& slot = slots_[static_cast<std::size_t>(target)];
    slot.Name = name;
    slot.Value = value;
}

const Variable& VariableTable::Slot(int index) const {
    if (index < 0 || index > kLastSlot) {
        return kEmptyVariable;
    }
    return slots_[static_cast<std::size_t>(index)];
}

void VariableTable::SetSlotName(int index, std::string_view name) {
    if (index >= 1 && index <= kLastSlot) {
        slots_[static_cast<std::size_t>(index)].Name = name;
    }
}

bool VariableTable::RemoveSlot(int index) {
    if (index < 1 || index > kLastSlot || slots_[static_cast<std::size_t>(index)].Name.empty()) {
        return false;
    }
    const auto removed = slots_.begin() + index;
    std::move(removed + 1, slots_.end(), removed);
    slots_.back() = Variable{};
    return true;
}

}  // namespace orvanta
