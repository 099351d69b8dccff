// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/help/HyperlinkField.h"

#include <vector>

#include "core/help/HtmlPageWriter.h"

namespace orvanta {

namespace {

bool IsAsciiAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) {
        return false;
    }
    for (std::size_t i = 0; i < start.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != start[i]) {
            return false;
        }
    }
    return true;
}

// The words of a field instruction: runs of characters between spaces, or a text
// in double quotes, which may hold spaces.
std::vector<std::string_view> Words(std::string_view instruction) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < instruction.size()) {
        if (instruction[i] == ' ') {
            ++i;
        } else if (instruction[i] == '"') {
            const std::size_t end = instruction.find('"', i + 1);
            const std::size_t stop = end == std::string_view::npos ? instruction.size() : end;
            words.push_back(instruction.substr(i + 1, stop - i - 1));
            i = stop + 1;
        } else {
            const std::size_t end = instruction.find_first_of(" \"", i);
            const std::size_t stop = end == std::string_view::npos ? instruction.size() : end;
            words.push_back(instruction.substr(i, stop - i));
            i = stop;
        }
    }
    return words;
}

bool IsWebAddress(std::string_view address) {
    if (address.size() > kMaxAddressBytes ||
        !(StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://"))) {
        return false;
    }
    for (const char c : address) {
        if (static_cast<unsigned char>(c) <= 0x20) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string AnchorName(std::string_view name) {
    std::string cleaned;
    for (const char c : name) {
        if (IsAsciiAlphanumeric(c) || c == '_' || c == '-' || c == '.' ||
            static_cast<unsigned char>(c) >= 0x80) {
            cleaned += c;
        }
    }
    CutUtf8(cleaned, kMaxAnchorNameBytes);
    return cleaned;
}

std::string HyperlinkTarget(std::string_view instruction) {
    const std::vector<std::string_view> words = Words(instruction);
    if (words.empty() || !StartsWithIgnoringCase(words[0], "hyperlink") || words[0].size() != 9) {
        return {};
    }
    std::string_view address;
    std::string_view location;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == "\\l" && i + 1 < words.size()) {
            location = words[++i];
        } else if ((word == "\\o" || word == "\\t") && i + 1 < words.size()) {
            ++i;  // a tooltip or a target frame: nothing the page uses
        } else if (!word.starts_with('\\') && address.empty()) {
            address = word;
        }
    }
    if (!address.empty()) {
        return IsWebAddress(address) ? std::string(address) : std::string();
    }
    const std::string name = AnchorName(location);
    return name.empty() ? std::string() : "#" + name;
}

}  // namespace orvanta
