// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// Bookmark names in real documents are a few dozen characters; a longer one is cut.
inline constexpr std::size_t kMaxAnchorNameBytes = 64;
// A web address longer than this is no link the help page follows.
inline constexpr std::size_t kMaxAddressBytes = 512;

// A bookmark's name as the page's anchors and links carry it: letters, digits,
// "_", "-", "." and any non-ASCII character, cut to kMaxAnchorNameBytes. A name and
// a link to it go through the same cleaning, so they still meet; what is left
// needs no escaping in a URL's fragment.
std::string AnchorName(std::string_view name);

// Where the field with this instruction leads, as the page links to it: "#name"
// for HYPERLINK \l "name" (a bookmark of this document), the address for
// HYPERLINK "http://..." or "https://...". Empty for any other field, and for a
// link of another kind (a file, another document), which the page shows as text.
std::string HyperlinkTarget(std::string_view instruction);

}  // namespace orvanta
