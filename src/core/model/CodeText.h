// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace orvanta {

// Codes are stored blank-padded; every reader compares the trimmed text.
std::string_view TrimBlanks(std::string_view text);

// The number that the leading digits of a code denote, after any leading blanks;
// 0 when the code does not begin with a digit ("R" is 0, "12" is 12).
// Saturates instead of overflowing, so no text can make it undefined.
int CodeValue(std::string_view code);

}  // namespace orvanta
