// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/help/HtmlPageWriter.h"

namespace orvanta {

namespace {

// A paragraph that the page makes up (a split, the closing note) has no margins of its own.
constexpr std::string_view kPlainParagraph = "margin-top:0px; margin-bottom:0px; white-space:pre-wrap";

void AppendEscaped(std::string& out, char32_t c) {
    switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            AppendUtf8(out, c);
    }
}

// Names and addresses arrive as UTF-8; only what would end the attribute is escaped.
void AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (c == '&' || c == '<' || c == '>' || c == '"') {
            AppendEscaped(out, static_cast<char32_t>(c));
        } else {
            out += c;
        }
    }
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void CutUtf8(std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return;
    }
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
}

void HtmlPageWriter::Text(std::string_view style, char32_t c, std::string_view link) {
    if (full_ || (c < 0x20 && c != '\t')) {
        return;
    }
    OpenRun(style, link);
    if (!full_) {
        AppendEscaped(paragraph_, c);
        CountCharacter();
    }
}

void HtmlPageWriter::LineBreak(std::string_view style, std::string_view link) {
    if (full_) {
        return;
    }
    OpenRun(style, link);
    if (!full_) {
        paragraph_ += "<br />";
        CountCharacter();
    }
}

void HtmlPageWriter::Anchor(std::string_view name) {
    if (full_ || name.empty() || anchors_ >= kMaxAnchors || paragraphRuns_ >= kMaxRunsPerParagraph) {
        return;
    }
    // Outside any run, so that it never stands inside a link.
    CloseRun();
    paragraph_ += "<a name=\"";
    AppendEscaped(paragraph_, name);
    paragraph_ += "\"></a>";
    ++anchors_;
    ++paragraphRuns_;
}

void HtmlPageWriter::CountCharacter() {
    ++paragraphChars_;
    if (++textChars_ >= kMaxTextChars) {
        Cut();
    } else if (paragraphChars_ >= kMaxParagraphChars) {
        // The text goes on in a paragraph of its own; its next character opens its run.
        const std::string style = runStyle_;
        EndParagraph(style, kPlainParagraph);
    }
}

void HtmlPageWriter::EndParagraph(std::string_view style, std::string_view paragraphStyle) {
    if (full_) {
        return;
    }
    if (paragraphs_ >= kMaxParagraphs) {
        Cut();
        return;
    }
    if (paragraph_.empty()) {
        OpenRun(style);
        if (full_) {
            return;
        }
        paragraph_ += "&nbsp;";
    }
    WriteParagraph(paragraphStyle);
}

void HtmlPageWriter::WriteParagraph(std::string_view paragraphStyle) {
    CloseRun();
    body_ += "<p style=\"";
    body_ += paragraphStyle;
    body_ += "\">";
    body_ += paragraph_;
    body_ += "</p>\n";
    paragraph_.clear();
    ++paragraphs_;
    paragraphRuns_ = 0;
    paragraphChars_ = 0;
}

void HtmlPageWriter::OpenRun(std::string_view style, std::string_view link) {
    if (!withRuns_ || (runOpen_ && style == runStyle_ && link == runLink_)) {
        return;
    }
    // Past its share of changes, a paragraph goes on in the run that is open; so
    // does a change to a style the full style sheet cannot take.
    if (runOpen_ && (paragraphRuns_ >= kMaxRunsPerParagraph || runs_ >= kMaxRuns)) {
        return;
    }
    const int styleClass = style.empty() ? -1 : ClassOf(style);
    if (runOpen_ && !style.empty() && styleClass < 0) {
        return;
    }
    if (runs_ >= kMaxRuns) {
        Cut();  // a paragraph with no run at all cannot be written
        return;
    }
    CloseRun();
    if (!link.empty()) {
        paragraph_ += "<a href=\"";
        AppendEscaped(paragraph_, link);
        paragraph_ += "\">";
    }
    if (styleClass < 0) {
        paragraph_ += "<span>";
    } else {
        paragraph_ += "<span class=\"s";
        paragraph_ += std::to_string(styleClass);
        paragraph_ += "\">";
    }
    runOpen_ = true;
    runStyle_ = style;
    runLink_ = link;
    ++runs_;
    ++paragraphRuns_;
}

void HtmlPageWriter::CloseRun() {
    if (runOpen_) {
        paragraph_ += runLink_.empty() ? "</span>" : "</span></a>";
        runOpen_ = false;
        runStyle_.clear();
        runLink_.clear();
    }
}

int HtmlPageWriter::ClassOf(std::string_view style) {
    const std::string key(style);
    if (const auto found = classes_.find(key); found != classes_.end()) {
        return found->second;
    }
    if (static_cast<int>(styles_.size()) >= kMaxStyles) {
        return -1;
    }
    const auto styleClass = static_cast<int>(styles_.size());
    styles_.push_back(key);
    classes_.emplace(key, styleClass);
    return styleClass;
}

void HtmlPageWriter::Cut() {
    if (full_) {
        return;
    }
    // The paragraph under way keeps what it has, unless it is one past the page's
    // paragraphs; the note follows it.
    if (paragraphs_ < kMaxParagraphs) {
        FlushParagraph();
    } else {
        paragraph_.clear();
        runOpen_ = false;
    }
    body_ += "<p style=\"margin-top:12px; margin-bottom:0px\"><i>";
    body_ += kCutNote;
    body_ += "</i></p>\n";
    full_ = true;
}

void HtmlPageWriter::FlushParagraph() {
    if (!paragraph_.empty()) {
        WriteParagraph(kPlainParagraph);
    }
}

std::string HtmlPageWriter::Page() {
    FlushParagraph();
    std::string page = "<html>";
    if (!styles_.empty()) {
        page += "<head><style>\n";
        for (std::size_t i = 0; i < styles_.size(); ++i) {
            page += ".s";
            page += std::to_string(i);
            page += " { ";
            page += styles_[i];
            page += " }\n";
        }
        page += "</style></head>";
    }
    page += "<body>\n";
    page += body_;
    page += "</body></html>\n";
    return page;
}

}  // namespace orvanta
