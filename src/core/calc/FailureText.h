// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// A token or value as a reason names it: cut short when it is long, since a line has
// no length limit and the reason goes in the status line.
std::string Shortened(std::string_view text);
// The same in single quotes.
std::string Quoted(std::string_view text);

// A count as the reasons write it, with thousands separators: "1,000,000".
std::string WithThousands(unsigned long long count);

}  // namespace orvanta
