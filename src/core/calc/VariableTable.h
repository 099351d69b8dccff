// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvanta {

// NOLINTBEGIN(readability-identifier-naming): the fields of a documented record keep
// the names that tools and tests outside the program know.
struct Variable {
    std::string Name;   // as last stored; empty marks a free slot
    std::string Value;  // exactly as the evaluator produced it
};
// NOLINTEND(readability-identifier-naming)

// The calculator's named values: slots 0 to 255, slot 0 unused, new names in
// slots 1 to 254 in order of first store, slot 255 searched but never filled.
// A removal closes the gap, so the slots in use are always 1 to k.
class VariableTable {
public:
    static constexpr int kLastSlot = 255;
    // When slots 1 to 253 are taken, every new name lands here, replacing the
    // one before it, so that the table never grows past its fixed size.
    static constexpr int kOverflowSlot = 254;

    // The value of the first slot named exactly `name` (letter case counts), or
    // empty text.
    const std::string& GetVariable(std::string_view name) const;

    // Stores under the first slot whose name matches `name` ignoring letter
    // case, renaming it to this spelling; otherwise takes a free slot.
    void SetVariable(std::string_view name, std::string_view value);

    // Slots 0 to 255; any other index gives an empty slot.
    const Variable& Slot(int index) const;
    // Writes a slot's name directly (the panel names slot 1 "Ans" at start-up).
    void SetSlotName(int index, std::string_view name);
    // Empties slot `index` and moves every later slot up one; false (nothing
    // changed) for a free slot or one outside 1..255.
    bool RemoveSlot(int index);

private:
    std::array<Variable, kLastSlot + 1> slots_;
};

}  // namespace orvanta
