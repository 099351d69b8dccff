// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvanta {

// Appends a character as UTF-8; a surrogate or a value past U+10FFFF becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t c);
// Cuts UTF-8 text to at most `maxBytes`, never inside a character.
void CutUtf8(std::string& text, std::size_t maxBytes);

// Writes the HTML page that the help browser lays out, keeping what the browser must
// build small whatever the document: Qt's rich text costs about as much per span and
// per paragraph as per hundred characters, and a paragraph with thousands of format
// changes costs the square of their number. So:
//
//   - each style is written once, in the page's style sheet, and runs refer to it;
//   - a paragraph takes at most kMaxRunsPerParagraph format changes, and a page
//     kMaxStyles styles; a change past either goes on in the run that is open;
//   - a paragraph longer than kMaxParagraphChars goes on in a new one;
//   - a page ends after kMaxParagraphs paragraphs, kMaxRuns runs or kMaxTextChars
//     characters, with a last paragraph that says the rest is left out;
//   - a page takes kMaxAnchors anchors, and an anchor counts as a format change of
//     its paragraph.
class HtmlPageWriter {
public:
    static constexpr int kMaxParagraphs = 4000;
    static constexpr int kMaxRuns = 8000;
    static constexpr int kMaxRunsPerParagraph = 64;
    static constexpr int kMaxStyles = 64;
    static constexpr int kMaxAnchors = 4000;
    static constexpr std::size_t kMaxTextChars = 500'000;
    static constexpr std::size_t kMaxParagraphChars = 10'000;
    static constexpr std::string_view kCutNote =
        "The rest of this help document is left out: it is longer, or more finely formatted, than this page "
        "can show.";

    // Without runs (plain text), text goes straight into its paragraphs.
    explicit HtmlPageWriter(bool withRuns = true) : withRuns_(withRuns) {}

    // Appends a character (a tab included; other control characters are dropped) in
    // a run of `style`, CSS declarations such as "font-weight:700" ("" for none),
    // that is a link to `link` when that is not empty ("#name", "https://...").
    void Text(std::string_view style, char32_t c, std::string_view link = {});
    void LineBreak(std::string_view style, std::string_view link = {});
    // A place that a link "#name" leads to, at this point of the paragraph.
    void Anchor(std::string_view name);
    // Ends the paragraph with `paragraphStyle`; an empty one still takes a line of
    // `style`, so blank lines keep their height.
    void EndParagraph(std::string_view style, std::string_view paragraphStyle);

    bool paragraphEmpty() const { return paragraph_.empty(); }
    // The page is cut: nothing more is written, and the caller may stop reading.
    bool full() const { return full_; }

    // The whole page; a paragraph left under way is written out first.
    std::string Page();

private:
    void OpenRun(std::string_view style, std::string_view link = {});
    void CloseRun();
    void CountCharacter();
    void Cut();
    void WriteParagraph(std::string_view paragraphStyle);
    // Writes out what the paragraph under way holds, as a plain paragraph.
    void FlushParagraph();
    // The class of a style, -1 when the style sheet is full.
    int ClassOf(std::string_view style);

    bool withRuns_;
    bool full_ = false;
    std::string body_;
    std::string paragraph_;
    bool runOpen_ = false;
    std::string runStyle_;
    std::string runLink_;
    int paragraphs_ = 0;
    int runs_ = 0;
    int paragraphRuns_ = 0;
    int anchors_ = 0;
    std::size_t textChars_ = 0;
    std::size_t paragraphChars_ = 0;
    std::vector<std::string> styles_;
    std::unordered_map<std::string, int> classes_;
};

}  // namespace orvanta
