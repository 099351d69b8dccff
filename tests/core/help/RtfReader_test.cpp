// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/help/RtfReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/help/HtmlPageWriter.h"

namespace orvanta {
namespace {

using namespace std::string_literals;

// One document and what its HTML must and must not hold.
struct RtfRow {
    std::string name;
    std::string rtf;
    std::vector<std::string> present;
    std::vector<std::string> absent = {};
};

void PrintTo(const RtfRow& row, std::ostream* out) {
    *out << row.rtf.substr(0, 200);
}

std::string RowName(const ::testing::TestParamInfo<RtfRow>& info) {
    return info.param.name;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// The page with each run's class replaced by the style the page's style sheet
// gives it, so that rows name a run's format as it reads.
std::string WithInlineStyles(const std::string& page) {
    const std::size_t head = page.find("<head><style>\n");
    const std::size_t headEnd = page.find("</style></head>");
    if (head == std::string::npos || headEnd == std::string::npos) {
        return page;
    }
    std::map<std::string, std::string> styles;
    std::istringstream sheet(page.substr(head + 14, headEnd - head - 14));
    for (std::string rule; std::getline(sheet, rule);) {
        const std::size_t open = rule.find(" { ");
        styles["class=\"" + rule.substr(1, open - 1) + "\""] =
            "style=\"" + rule.substr(open + 3, rule.size() - open - 5) + "\"";
    }
    std::string html = page.substr(0, head) + page.substr(headEnd + 15);
    for (const auto& [reference, style] : styles) {
        for (std::size_t at = html.find(reference); at != std::string::npos; at = html.find(reference, at)) {
            html.replace(at, reference.size(), style);
        }
    }
    return html;
}

std::string Html(std::string_view rtf) {
    return WithInlineStyles(RtfToHtml(rtf));
}

class RtfToHtmlRow : public ::testing::TestWithParam<RtfRow> {};

TEST_P(RtfToHtmlRow, HoldsTheExpectedFragments) {
    const std::string html = Html(GetParam().rtf);
    for (const std::string& fragment : GetParam().present) {
        EXPECT_NE(html.find(fragment), std::string::npos) << "missing " << fragment << "\nin\n" << html;
    }
    for (const std::string& fragment : GetParam().absent) {
        EXPECT_EQ(html.find(fragment), std::string::npos) << "unwanted " << fragment << "\nin\n" << html;
    }
    // Whatever the input, the markup is closed.
    EXPECT_EQ(Count(html, "<span"), Count(html, "</span>"));
    EXPECT_EQ(Count(html, "<p "), Count(html, "</p>"));
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"OneParagraph", R"({\rtf1 Hello world\par})", {"<span>Hello world</span></p>"}},
        RtfRow{"TwoParagraphs",
               R"({\rtf1 one\par two\par})",
               {"<span>one</span></p>\n<p", "<span>two</span></p>"}},
        RtfRow{"LastParagraphWithoutPar", R"({\rtf1 one\par two})", {"<span>two</span></p>"}},
        RtfRow{"EmptyParagraphKeepsALine", R"({\rtf1 a\par\par b\par})", {"<span>&nbsp;</span></p>"}},
        RtfRow{"NothingAfterTheLastPar", "{\\rtf1 a\\par\r\n}", {"<span>a</span>"}, {"&nbsp;"}},
        RtfRow{
            "BackslashNewlineIsAParagraph", "{\\rtf1 a\\\nb}", {"<span>a</span></p>", "<span>b</span></p>"}},
        RtfRow{"FileLineEndsAreNotText", "{\\rtf1 a\r\nb}", {"<span>ab</span>"}},
        RtfRow{"LineBreak", R"({\rtf1 a\line b})", {"<span>a<br />b</span>"}},
        RtfRow{"Tabs", "{\\rtf1 a\\tab b\tc}", {"<span>a\tb\tc</span>"}},
        RtfRow{"SpacesKept", R"({\rtf1 a   b})", {"a   b", "white-space:pre-wrap"}},
        RtfRow{"ZeroMarginsByDefault",
               R"({\rtf1 a})",
               {"margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; text-indent:0px"}},
        RtfRow{"Centered", R"({\rtf1\qc a\par})", {"text-align:center"}},
        RtfRow{"Right", R"({\rtf1\qr a\par})", {"text-align:right"}},
        RtfRow{"Justified", R"({\rtf1\qj a\par})", {"text-align:justify"}},
        RtfRow{"PardResets",
               R"({\rtf1\qc\li300 a\par\pard b\par})",
               {"margin-left:20px; margin-right:0px; text-indent:0px; text-align:center; "
                "white-space:pre-wrap\"><span>a",
                "margin-left:0px; margin-right:0px; text-indent:0px; white-space:pre-wrap\"><span>b"}},
        RtfRow{
            "IndentsAndSpacingInPixels",
            R"({\rtf1\li720\ri150\fi-360\sb240\sa120 a\par})",
            {"margin-top:16px; margin-bottom:8px; margin-left:48px; margin-right:10px; text-indent:-24px"}},
        RtfRow{"HugeIndentsAreBounded",
               R"({\rtf1\li99999999999\fi-99999999999 a\par})",
               {"margin-left:2112px", "text-indent:-2112px"}},
        RtfRow{"ParagraphFormatAtTheParCounts",
               R"({\rtf1 a\qr\par})",
               {"text-align:right; white-space:pre-wrap\"><span>a"}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    CharacterFormat, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"BoldOnAndOff",
               R"({\rtf1 a\b b\b0 c})",
               {"<span>a</span><span style=\"font-weight:700\">b</span><span>c</span>"}},
        RtfRow{"ItalicOnAndOff",
               R"({\rtf1 \i a\i0 b})",
               {"<span style=\"font-style:italic\">a</span><span>b</span>"}},
        RtfRow{"UnderlineAndUlnone",
               R"({\rtf1 \ul a\ulnone b\uldb c\ul0 d})",
               {"<span style=\"text-decoration: underline\">a</span><span>b</span>",
                "<span style=\"text-decoration: underline\">c</span><span>d</span>"}},
        RtfRow{"UnderlineColourIsNoUnderline", R"({\rtf1 \ulc2 a})", {"<span>a</span>"}},
        RtfRow{"StrikeAndDoubleStrike",
               R"({\rtf1 \strike a\strike0 b\striked1 c})",
               {"<span style=\"text-decoration: line-through\">a</span><span>b</span>",
                "<span style=\"text-decoration: line-through\">c</span>"}},
        RtfRow{"UnderlineWithStrike", R"({\rtf1 \ul\strike a})", {"text-decoration: underline line-through"}},
        RtfRow{"GroupRestoresFormat",
               R"({\rtf1 a{\b\i b}c})",
               {"<span>a</span><span style=\"font-weight:700; font-style:italic\">b</span><span>c</span>"}},
        RtfRow{"PlainResets", R"({\rtf1 \b\i\fs40 a\plain b})", {"<span>b</span>"}},
        RtfRow{"FontSizeInHalfPoints",
               R"({\rtf1 \fs20 a\fs17 b})",
               {"font-size:10pt\">a", "font-size:8.5pt\">b"}},
        RtfRow{"FontSizeWithoutValueIsTwelve", R"({\rtf1 \fs a})", {"font-size:12pt\">a"}},
        RtfRow{"HugeFontSizeIsBounded",
               R"({\rtf1 \fs99999999999999 a\fs-40 b})",
               {"font-size:1638pt\">a", "font-size:0.5pt\">b"}},
        RtfRow{"SubAndSuperscript",
               R"({\rtf1 H\sub 2\nosupersub O x\super 2\super0 y})",
               {"vertical-align:sub\">2</span><span>O x", "vertical-align:super\">2</span><span>y"}},
        RtfRow{"HiddenTextIsNotShown", R"({\rtf1 a{\v secret}b})", {"<span>ab</span>"}, {"secret"}},
        RtfRow{
            "Colours",
            R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue10;}\cf1 a\cf2 b\cf0 c\cf9 d\cb1 e})",
            {"color:#ff0000\">a", "color:#00800a\">b", "<span>cd</span>", "background-color:#ff0000\">e"}},
        RtfRow{"ColourComponentsAreBounded",
               R"({\rtf1{\colortbl;\red999\green-5\blue16;}\cf1 a})",
               {"color:#ff0010\">a"}},
        RtfRow{
            "FontTable",
            R"({\rtf1\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fmodern Courier New;}}\f1 code\f0 text\f7 x})",
            {"font-family:'Courier New'\">code", "font-family:'Arial'\">text", "<span>x</span>"},
            {"Arial;", "Courier New;"}},
        RtfRow{
            "DefaultFontApplies", R"({\rtf1\deff1{\fonttbl{\f1 Georgia;}}a})", {"font-family:'Georgia'\">a"}},
        RtfRow{"FontTableWithoutGroups",
               R"({\rtf1{\fonttbl\f0 Alpha;\f1 Beta;}\f1 a})",
               {"font-family:'Beta'\">a"}},
        RtfRow{"FontNameCannotBreakTheStyle",
               R"({\rtf1{\fonttbl{\f0 Evil"><b>'x;}}\f0 a})",
               {"font-family:'Evilbx'\">a"}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"EscapedSymbols", R"({\rtf1 \\ \{ \}})", {"<span>\\ { }</span>"}},
        RtfRow{"MarkupIsEscaped", R"({\rtf1 <b>&"x"</b>})", {"&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;"}},
        RtfRow{"SpecialSymbols",
               R"({\rtf1 a\~b\-c\_d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
               {"a\u00A0b\u00ADc\u2011d\u2014\u2013\u2022\u2018\u2019\u201C\u201D"}},
        RtfRow{"ControlWordEatsOneSpace", R"({\rtf1 \b  a})", {"font-weight:700\"> a"}},
        RtfRow{"OverlongControlWordIsIgnored",
               R"({\rtf1 a\abcdefghijklmnopqrstuvwxyzabcdefghijklmn b})",
               {"<span>ab</span>"}},
        RtfRow{"UnknownControlWordIsIgnored", R"({\rtf1 a\madeupword42 b})", {"<span>ab</span>"}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Destinations, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"IgnorableDestination",
               R"({\rtf1 a{\*\generator Writer 1.0;}b})",
               {"<span>ab</span>"},
               {"Writer"}},
        RtfRow{"StyleSheet",
               R"({\rtf1{\stylesheet{\s0 Normal;}{\s1 Heading 1;}}a})",
               {"<span>a</span>"},
               {"Normal", "Heading"}},
        RtfRow{"Info",
               R"({\rtf1{\info{\title Secret title}{\author Someone}}a})",
               {"<span>a</span>"},
               {"Secret", "Someone"}},
        RtfRow{"Picture",
               R"({\rtf1 a{\pict\pngblip\picw10\pich10 89504e470d0a1a0a}b})",
               {"<span>ab</span>"},
               {"89504e"}},
        RtfRow{"HeaderAndFooter",
               R"({\rtf1{\header page head}{\footer page foot}a})",
               {"<span>a</span>"},
               {"head", "foot"}},
        RtfRow{"FieldShowsItsResult",
               R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}})",
               {"<span>shown</span>"},
               {"HYPERLINK"}},
        RtfRow{"FieldInstructionWithoutStar",
               R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 1}}})",
               {"<span>1</span>"},
               {"PAGE"}},
        RtfRow{"BinaryDataIsPassedOver", "{\\rtf1 a{\\pict\\bin6 }{\\x\\}}b}", {"<span>ab</span>"}},
        RtfRow{"BinaryLongerThanTheFile", R"({\rtf1 a\bin999999999 bcd)", {"<span>a</span>"}, {"bcd"}},
        RtfRow{"ColourTableTextIsNotShown",
               R"({\rtf1{\colortbl;\red1\green2\blue3;}a})",
               {"pre-wrap\"><span>a</span></p>"}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    BookmarksAndLinks, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{
            "BookmarkIsAnAnchor",
            R"({\rtf1 a\par{\*\bkmkstart intro}{\*\bkmkend intro}\b Intro\par})",
            {"<p style=\"margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; "
             "text-indent:0px; "
             "white-space:pre-wrap\"><a name=\"intro\"></a><span style=\"font-weight:700\">Intro</span></p>"},
            {">intro"}},
        RtfRow{"LinkToABookmark",
               R"({\rtf1{\field{\*\fldinst HYPERLINK \\l "intro"}{\fldrslt See the intro}} now})",
               {"<a href=\"#intro\"><span>See the intro</span></a><span> now</span>"},
               {"HYPERLINK"}},
        // As word processors write it: the instruction in groups of its own, the
        // result formatted, a tooltip switch.
        RtfRow{
            "FormattedLinkAndInstructionInGroups",
            R"({\rtf1{\field{\*\fldinst {\f0 HYPERLINK \\o "tip" }{\f0 \\l "_Toc1"}}{\fldrslt {\b Bold} plain}}})",
            {"<a href=\"#_Toc1\"><span style=\"font-weight:700\">Bold</span></a><a href=\"#_Toc1\"><span> "
             "plain</span></a>"},
            {"tip"}},
        RtfRow{
            "LinksInsideATableOfContentsField",
            R"({\rtf1{\field{\*\fldinst TOC \\h}{\fldrslt{\field{\*\fldinst HYPERLINK \\l "a"}{\fldrslt A}}\par )"
            R"({\field{\*\fldinst HYPERLINK \\l "b"}{\fldrslt B}} c}}})",
            {"<a href=\"#a\"><span>A</span></a></p>", "<a href=\"#b\"><span>B</span></a><span> c</span>"}},
        RtfRow{"WebAddress",
               R"({\rtf1{\field{\*\fldinst HYPERLINK "https://example.org/a?b=1&c=2"}{\fldrslt site}}})",
               {"<a href=\"https://example.org/a?b=1&amp;c=2\"><span>site</span></a>"}},
        RtfRow{"OtherAddressesAreText",
               R"({\rtf1{\field{\*\fldinst HYPERLINK "file:///etc/passwd"}{\fldrslt a}})"
               R"({\field{\*\fldinst HYPERLINK "javascript:alert" \\l "n"}{\fldrslt b}}})",
               {"<span>ab</span>"},
               {"href"}},
        RtfRow{"FieldWithoutResultShowsNothing",
               R"({\rtf1 a{\field{\*\fldinst HYPERLINK \\l "x"}}b})",
               {"<span>ab</span>"},
               {"href", "HYPERLINK"}},
        RtfRow{"NamesAreCleanedAndCut",
               "{\\rtf1{\\*\\bkmkstart x\\\"><s c=\\'27>}" + std::string(100, 'n') + "{\\*\\bkmkstart " +
                   std::string(100, 'n') + "}}",
               {"<a name=\"xsc\"></a>", "<a name=\"" + std::string(64, 'n') + "\"></a>"},
               {"<s ", std::string(65, 'n') + "\""}},
        RtfRow{"BookmarkInASkippedDestination",
               R"({\rtf1{\info{\*\bkmkstart x}}a})",
               {"<span>a</span>"},
               {"name="}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    CodePages, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"Default1252", R"({\rtf1\ansi \'80 \'e9\'fc\'93x\'94})", {"\u20AC \u00E9\u00FC\u201Cx\u201D"}},
        RtfRow{"UpperCaseHex", R"({\rtf1 \'C9})", {"\u00C9"}},
        RtfRow{"Cyrillic1251",
               R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})",
               {"\u041F\u0440\u0438\u0432\u0435\u0442"}},
        RtfRow{"CentralEurope1250", R"({\rtf1\ansi\ansicpg1250 \'9a\'e8})", {"\u0161\u010D"}},
        RtfRow{"Greek1253", R"({\rtf1\ansi\ansicpg1253 \'e1\'e2})", {"\u03B1\u03B2"}},
        RtfRow{"Dos850", R"({\rtf1\pca \'82\'d5})", {"\u00E9\u0131"}},
        RtfRow{"Dos437", R"({\rtf1\pc \'9b\'e1})", {"\u00A2\u00DF"}},
        RtfRow{"MacRoman", R"({\rtf1\mac \'8e})", {"\u00E9"}},
        RtfRow{"UnknownCodePageFallsBackTo1252", R"({\rtf1\ansi\ansicpg932 \'e9})", {"\u00E9"}},
        RtfRow{"FontCharsetWins",
               R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f1\'c0\f0\'c0})",
               {"\u0410</span>", "\u00C0</span>"}},
        RtfRow{"RawHighBytesUseTheCodePage", "{\\rtf1\\ansicpg1251 \xC0}", {"\u0410"}},
        RtfRow{"UndefinedByteIsReplaced", R"({\rtf1 \'81})", {"\uFFFD"}},
        RtfRow{"CodePageNamesFont",
               R"({\rtf1{\fonttbl{\f0\fcharset0 Caf\'e9 Sans;}}\f0 a})",
               {"font-family:'Caf\u00E9 Sans'"}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Unicode, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"DefaultSkipsOne", R"({\rtf1 \u8364?x})", {"<span>\u20ACx</span>"}, {"?"}},
        RtfRow{"Uc1", R"({\rtf1\uc1 \u8364?x})", {"<span>\u20ACx</span>"}, {"?"}},
        RtfRow{"Uc0SkipsNothing", R"({\rtf1\uc0 \u8364 x})", {"<span>\u20ACx</span>"}},
        RtfRow{"Uc2SkipsTwoEscapes", R"({\rtf1\uc2 \u8364\'80\'80x})", {"<span>\u20ACx</span>"}},
        RtfRow{"FallbackControlWordCounts",
               R"({\rtf1\uc1 \u8364\bullet x})",
               {"<span>\u20ACx</span>"},
               {"\u2022"}},
        RtfRow{"NegativeValue", R"({\rtf1 \u-3913?})", {"\uF0B7"}},
        RtfRow{"SurrogatePair", R"({\rtf1 \u-10179?\u-8704?})", {"\U0001F600"}},
        RtfRow{"LoneLowSurrogate", R"({\rtf1 \u-8704?a})", {"\uFFFDa"}},
        RtfRow{"LoneHighSurrogate", R"({\rtf1 \u-10179?a})", {"\uFFFDa"}},
        RtfRow{"HighSurrogateAtTheEnd", R"({\rtf1 a\u-10179?})", {"a\uFFFD"}},
        RtfRow{"HugeValue", R"({\rtf1 \u99999999999?a\u-99999?b})", {"\uFFFDa\uFFFDb"}},
        RtfRow{"UcIsScopedToItsGroup", R"({\rtf1{\uc2\u8364??}\u8364?x})", {"<span>\u20AC\u20ACx</span>"}},
        RtfRow{"GroupEndStopsTheSkip", R"({\rtf1{\uc3\u8364}xy})", {"<span>\u20ACxy</span>"}},
        RtfRow{"UnicodeInFontName",
               R"({\rtf1{\fonttbl{\f0 \u26085?\u26412?;}}\f0 a})",
               {"font-family:'\u65E5\u672C'"}}),
    RowName);

std::string Repeat(char c, std::size_t count) {
    return std::string(count, c);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RtfToHtmlRow,
    ::testing::Values(
        RtfRow{"ExtraClosingBraces", R"({\rtf1 a}}}} b)", {"<span>a b</span>"}},
        RtfRow{"MissingClosingBraces",
               R"({\rtf1{\b bold{\i both)",
               {"font-weight:700\">bold", "font-weight:700; font-style:italic\">both"}},
        RtfRow{"CutInHexEscape", R"({\rtf1 a\'4)", {"<span>a</span>"}},
        RtfRow{"CutAfterQuote", R"({\rtf1 a\')", {"<span>a</span>"}},
        RtfRow{"CutAfterBackslash", "{\\rtf1 a\\", {"<span>a</span>"}},
        RtfRow{"CutInControlWord", R"({\rtf1 a\fs)", {"<span>a</span>"}},
        RtfRow{"CutInParameter", R"({\rtf1 a\u-)", {"<span>a-</span>"}},
        RtfRow{"UnicodeZeroIsDropped", R"({\rtf1 a\u0?b\u7?c})", {"<span>abc</span>"}},
        RtfRow{"BadHexEscape", R"({\rtf1 a\'zzb})", {"<span>azzb</span>"}},
        RtfRow{"HalfHexEscape", R"({\rtf1 a\'4zb})", {"<span>azb</span>"}},
        RtfRow{"NulAndControlBytes",
               "{\\rtf1 a\0\x01\x1f"
               "b}"s,
               {"<span>ab</span>"}},
        RtfRow{"DeepNesting",
               "{\\rtf1 " + Repeat('{', 100000) + "\\b deep" + Repeat('}', 100000) + " after}",
               {"font-weight:700\">deep</span><span> after</span>"}},
        RtfRow{"DeepNestingNeverClosed", "{\\rtf1 " + Repeat('{', 100000) + "text", {"<span>text</span>"}},
        RtfRow{"OnlyClosingBraces", "{\\rtf1 " + Repeat('}', 100000) + "text", {"<span>text</span>"}},
        RtfRow{"EmptyDocument", R"({\rtf1})", {"<html><body>\n</body></html>"}, {"<p"}},
        RtfRow{"HugeFontSizes",
               R"({\rtf1\fs99999999999999 big\par\fs-2147483648 small\par\fs0 tiny})",
               {"font-size:1638pt\">big", "font-size:0.5pt\">small", "font-size:0.5pt\">tiny"}},
        RtfRow{"HugeIndents",
               R"({\rtf1\li99999999999\ri-99999999999\fi-2147483648\sb2147483647 a\par})",
               {"margin-left:2112px", "margin-right:-2112px", "text-indent:-2112px", "margin-top:2112px"}},
        RtfRow{"HugeBinaryLength", R"({\rtf1 a{\bin99999999999 xyz}})", {"<span>a</span>"}, {"xyz"}},
        RtfRow{"HugeUnicodeSkip", R"({\rtf1\uc2147483647\u8364 abc}d)", {"\u20AC"}, {"abc"}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    NotRtf, RtfToHtmlRow,
    ::testing::Values(RtfRow{"PlainTextLines",
                             "first <line> & more\r\n\nthird\n",
                             {">first &lt;line&gt; &amp; more</p>", ">&nbsp;</p>", ">third</p>"}},
                      RtfRow{"EmptyInput", "", {"<html><body>\n</body></html>"}, {"<p"}},
                      // Bytes of another encoding, an overlong form and a
                      // surrogate each become U+FFFD; real UTF-8 stays.
                      RtfRow{"BytesThatAreNotUtf8",
                             "plai\xA5n \xC3\xA9 \xC0\xAF \xED\xA0\x80 \xF0\x9F\x98\x80",
                             {"plai\uFFFDn \u00E9 \uFFFD\uFFFD \uFFFD\uFFFD\uFFFD \U0001F600"}},
                      RtfRow{"ByteOrderMarkAndBlanksBeforeRtf",
                             "\xEF\xBB\xBF \r\n{\\rtf1 \\b a}",
                             {"font-weight:700\">a"}}),
    RowName);

// A 50 MB document is what a few embedded pictures make: they are passed over
// without building anything of their size, and the text around them is kept.
TEST(LargeDocument, FiftyMegabytesOfPicturesAndText) {
    std::string rtf = "{\\rtf1 before\\par{\\pict\\pngblip ";
    const std::string hexLine = std::string(78, 'a') + "\r\n";
    while (rtf.size() < 49'000'000) {
        rtf += hexLine;
    }
    rtf += "}";
    for (int i = 0; rtf.size() < 50'000'000; ++i) {
        rtf += "{\\b word}";
    }
    rtf += "\\par after}";
    const std::string html = Html(rtf);
    EXPECT_NE(html.find(">before</span>"), std::string::npos);
    EXPECT_NE(html.find("word</span></p>"), std::string::npos);
    EXPECT_NE(html.find(">after</span>"), std::string::npos);
    EXPECT_EQ(html.find("aaaa"), std::string::npos);
    EXPECT_LT(html.size(), 50'000'000u);
}

// Documents made to be costly to show. Whatever they hold, the page keeps within the
// writer's budgets: each style written once, few format changes a paragraph, and a
// bounded number of paragraphs, runs and characters, the rest left out with a note.
struct CostlyRow {
    std::string name;
    std::string document;
    bool cut;  // whether the page must end with the note
};

std::string RepeatedText(std::string_view start, std::string_view piece, std::size_t bytes) {
    std::string text(start);
    while (text.size() < bytes) {
        text += piece;
    }
    return text;
}

class CostlyDocument : public ::testing::TestWithParam<CostlyRow> {};

TEST_P(CostlyDocument, StaysWithinThePagesBudgets) {
    const std::string page = RtfToHtml(GetParam().document);
    EXPECT_LT(page.size(), 16'000'000u);
    EXPECT_LE(Count(page, "<p "), HtmlPageWriter::kMaxParagraphs + 1);
    EXPECT_LE(Count(page, "<span"), HtmlPageWriter::kMaxRuns);
    EXPECT_LE(Count(page, " { "), HtmlPageWriter::kMaxStyles) << "rules of the style sheet";
    EXPECT_LE(Count(page, "<a name"), HtmlPageWriter::kMaxAnchors);
    std::size_t mostRuns = 0;
    for (std::size_t at = page.find("<p "); at != std::string::npos;) {
        const std::size_t end = page.find("</p>", at);
        mostRuns = std::max(mostRuns, Count(page.substr(at, end - at), "<span"));
        at = page.find("<p ", end);
    }
    EXPECT_LE(mostRuns, HtmlPageWriter::kMaxRunsPerParagraph + 1u);
    EXPECT_EQ(page.find(HtmlPageWriter::kCutNote) != std::string::npos, GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, CostlyDocument,
    ::testing::Values(
        // A 1 MB font name used by 2,000 runs: named once, and cut.
        CostlyRow{"HugeFontNameInManyRuns",
                  RepeatedText("{\\rtf1{\\fonttbl{\\f0 " + std::string(1'000'000, 'N') + ";}}",
                               "{\\f0 x}{\\f0\\b y}", 1'000'000 + 2'000 * 16),
                  false},
        CostlyRow{"BoldOnAndOffInOneParagraph", RepeatedText("{\\rtf1 ", "\\b x\\b0 y", 4'000'000), true},
        CostlyRow{"OnlyParagraphEnds", RepeatedText("{\\rtf1 ", "\\par", 15'000'000), true},
        CostlyRow{"EveryRunItsOwnSize", RepeatedText("{\\rtf1 ", "\\fs1 a\\fs2 b\\fs3 c\\par", 200'000),
                  true},
        CostlyRow{"OneLineOfPlainText", std::string(4'000'000, 'w'), true},
        CostlyRow{"PlainTextOfBlankLines", std::string(4'000'000, '\n'), true},
        CostlyRow{
            "ABookmarkAndALinkInEveryParagraph",
            RepeatedText("{\\rtf1 ",
                         "{\\*\\bkmkstart b}{\\field{\\*\\fldinst HYPERLINK \\\\l b}{\\fldrslt x}}\\par",
                         4'000'000),
            true},
        CostlyRow{"LongAddressesInEveryParagraph",
                  RepeatedText("{\\rtf1 ",
                               "{\\field{\\*\\fldinst HYPERLINK https://" + std::string(500, 'a') +
                                   "}{\\fldrslt x{\\b y}}}\\par",
                               3'000'000),
                  true}),
    [](const auto& info) { return info.param.name; });

TEST(CostlyDocument, AFontNameIsCutAndWrittenOnce) {
    const std::string page = RtfToHtml("{\\rtf1{\\fonttbl{\\f0 " + std::string(1'000'000, 'N') +
                                       ";}}{\\f0 x}{\\f0\\b y}{\\f0 z}}");
    EXPECT_EQ(Count(page, std::string(64, 'N')), 2u) << "two styles, each naming the font";
    EXPECT_EQ(page.find(std::string(65, 'N')), std::string::npos);
}

std::string ReadHelpFile() {
    std::ifstream file(ORVANTA_HELP_RTF, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(HelpDocument, ReadsAsAGuideWithItsHeadings) {
    const std::string rtf = ReadHelpFile();
    ASSERT_FALSE(rtf.empty()) << "help.rtf not found at " << ORVANTA_HELP_RTF;
    ASSERT_TRUE(rtf.starts_with("{\\rtf1"));
    const std::string html = Html(rtf);
    for (const char* heading :
         {"Entering spins", "Correcting spins", "The results grid", "The charts", "Analysing the history",
          "A worked example", "The calculator", "Loops", "Functions", "Saving and opening", "Themes"}) {
        EXPECT_NE(html.find(heading), std::string::npos) << heading;
    }
    // No control word, brace or table entry leaks into the text.
    EXPECT_EQ(html.find('\\'), std::string::npos);
    EXPECT_EQ(html.find('{'), std::string::npos);
    EXPECT_EQ(html.find('}'), std::string::npos);
    EXPECT_EQ(html.find("Liberation Sans;"), std::string::npos);
    EXPECT_EQ(Count(html, "<span"), Count(html, "</span>"));

    // Every entry of the contents leads to the heading of its section.
    std::vector<std::string> targets;
    for (std::size_t at = html.find("<a href=\"#"); at != std::string::npos;
         at = html.find("<a href=\"#", at + 1)) {
        targets.push_back(html.substr(at + 10, html.find('"', at + 10) - at - 10));
    }
    EXPECT_EQ(targets.size(), 9u);
    for (const std::string& target : targets) {
        EXPECT_NE(html.find("<a name=\"" + target +
                            "\"></a><span style=\"font-family:'Arial'; font-size:13pt; font-weight:700"),
                  std::string::npos)
            << target;
    }
}

}  // namespace
}  // namespace orvanta
