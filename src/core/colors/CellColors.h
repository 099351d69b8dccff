// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "core/colors/Rgb.h"

namespace orvanta {

// Background of any cell that shows a number or code of the category in the
// given column (1 "Number" to 8 "n 6"). The code may carry blanks around it.
// Black for a code the column does not know.
Rgb GetBackColor(std::string_view code, int column);

// Text colour of such a cell: white on the colour column, black elsewhere.
Rgb GetTextColor(int column);

}  // namespace orvanta
