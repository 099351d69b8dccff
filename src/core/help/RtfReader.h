// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Turns a rich-text (RTF) document into an HTML page that Qt's rich-text
// widgets show: paragraphs with their alignment, indents and spacing; bold,
// italic, underline, strike-through, sub- and superscript, font, size and
// colour; tabs and line breaks. Font and colour tables are read; style sheets,
// document information, pictures, headers and other destinations are skipped.
// \'hh escapes are decoded in the document's code page (1252 unless it names
// one of 437, 850, 1250 to 1254 or Mac Roman, or a font's character set says
// otherwise); \uN with its \ucN fallback is understood.
//
// Any input gives a page: braces that do not balance, deep nesting and a file
// cut off in the middle of an escape are read as far as they make sense. Input
// that does not start with "{\rtf" is shown as plain text, one paragraph per
// line. The result is UTF-8.
std::string RtfToHtml(std::string_view rtf);

}  // namespace orvanta
