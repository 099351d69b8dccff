// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/help/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/help/HtmlPageWriter.h"
#include "core/help/HyperlinkField.h"

namespace orvanta {
namespace {

// Upper halves (bytes 0x80 to 0xFF) of the single-byte code pages a document may name.
struct CodePage {
    int number;
    std::array<char16_t, 128> upper;
};

constexpr char16_t kNone = 0xFFFD;

const std::array<CodePage, 8> kCodePages = {{
    {1250,
     {0x20AC, kNone,  0x201A, kNone,  0x201E, 0x2026, 0x2020, 0x2021, kNone,  0x2030, 0x0160, 0x2039, 0x015A,
      0x0164, 0x017D, 0x0179, kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, kNone,  0x2122,
      0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
      0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
      0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
      0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
      0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
      0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
      0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
      0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9}},
    {1251,
     {0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
      0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, kNone,  0x2122,
      0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
      0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
      0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
      0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
      0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
      0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
      0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
      0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F}},
    {1252,
     {0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
      kNone,  0x017D, kNone,  kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
      0x0161, 0x203A, 0x0153, kNone,  0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
      0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
      0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
      0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
      0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
      0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
      0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
      0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF}},
    {1253,
     {0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, kNone,  0x2030, kNone,  0x2039, kNone,
      kNone,  kNone,  kNone,  kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, kNone,  0x2122,
      kNone,  0x203A, kNone,  kNone,  kNone,  kNone,  0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
      0x00A7, 0x00A8, 0x00A9, kNone,  0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
      0x0384, 0x00B5, 0x00B6, 0x00B7, 0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, 0x0390,
      0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, 0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D,
      0x039E, 0x039F, 0x03A0, 0x03A1, kNone,  0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, 0x03A8, 0x03A9, 0x03AA,
      0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, 0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
      0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, 0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4,
      0x03C5, 0x03C6, 0x03C7, 0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, kNone}},
    {1254,
     {0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
      kNone,  kNone,  kNone,  kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
      0x0161, 0x203A, 0x0153, kNone,  kNone,  0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
      0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
      0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
      0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
      0x00CE, 0x00CF, 0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
      0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
      0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
      0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF}},
    {437,
     {0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
      0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
      0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
      0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
      0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
      0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
      0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
      0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
      0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
      0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0}},
    {850,
     {0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
      0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
      0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
      0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
      0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
      0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
      0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
      0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
      0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
      0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0}},
    {10000,
     {0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
      0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
      0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
      0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
      0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
      0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5,
      0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
      0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
      0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9,
      0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7}},
}};

// The code page whose upper half decodes a byte, or null for a page the reader
// does not know (those fall back to 1252, the most common by far).
const CodePage* FindCodePage(int number) {
    for (const CodePage& page : kCodePages) {
        if (page.number == number) {
            return &page;
        }
    }
    return nullptr;
}

char32_t DecodeByte(const CodePage& page, unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{page.upper[byte - 0x80]};
}

// A font's \fcharset names the code page its bytes are in; 0 keeps the
// document's own.
int CodePageOfCharset(int charset) {
    switch (charset) {
        case 77:
            return 10000;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 204:
            return 1251;
        case 238:
            return 1250;
        case 255:
            return 437;
        default:
            return 0;
    }
}

// Twips to the logical pixels Qt lays out in (15 twips a pixel), rounded.
std::string Pixels(int twips) {
    const int pixels = twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
    return std::to_string(pixels) + "px";
}

enum class Destination { Text, Skip, FontTable, ColorTable, Bookmark, FieldInstruction };

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int vertical = 0;    // -1 subscript, 1 superscript
    int halfPoints = 0;  // 0 keeps the widget's own size
    int color = 0;       // index into the colour table; 0 is the automatic colour
    int background = 0;
    int font = -1;

    bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Center, Right, Justify };

struct ParaFormat {
    Alignment alignment = Alignment::Left;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
};

struct GroupState {
    CharFormat chars;
    ParaFormat para;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
    int link = 0;  // the text is a link of open field `link` (1-based); 0: none
};

// A field whose group is open: its instruction, and once its result starts, where
// the result links to (empty: it does not).
struct Field {
    std::size_t depth;  // of the group that holds \field
    std::string instruction;
    std::string link;
};

struct Font {
    std::string name;
    int codePage = 0;  // 0: the document's
};

struct ColorEntry {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Real documents nest a few dozen groups; beyond this depth groups are only
// counted, so a file of nothing but braces cannot eat memory.
constexpr std::size_t kMaxTrackedDepth = 4096;
// Control words are at most 32 letters; a longer run of letters is no word we know.
constexpr std::size_t kMaxWordLength = 32;
// The largest size a font may have in a document (1638 pt).
constexpr int kMaxHalfPoints = 3276;
// Indents and spacing beyond 22 inches are noise.
constexpr int kMaxTwips = 31680;
// Font names are a few dozen letters; a longer one is cut, since the style sheet
// names its font in every style that uses it.
constexpr std::size_t kMaxFontNameBytes = 64;
// Real documents define a handful of fonts and colours; entries past these are
// read as unknown, so a table of millions costs nothing.
constexpr std::size_t kMaxFonts = 256;
constexpr std::size_t kMaxColors = 256;
// Fields nest a few deep (a hyperlink in a table of contents); deeper ones show their
// result as plain text. An instruction is a keyword, a few switches and an address.
constexpr std::size_t kMaxOpenFields = 16;
constexpr std::size_t kMaxInstructionBytes = 1024;

int ClampTwips(int twips) {
    return std::clamp(twips, -kMaxTwips, kMaxTwips);
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : in_(rtf) { stack_.emplace_back(); }

    std::string Html() {
        // A full page takes no more text, so the rest of the document is not read.
        while (pos_ < in_.size() && !page_.full()) {
            Step();
        }
        FlushPendingSurrogate();
        if (!page_.paragraphEmpty()) {
            EndParagraph();
        }
        return page_.Page();
    }

private:
    GroupState& State() { return stack_.back(); }

    void Step() {
        const char c = in_[pos_++];
        switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                Escape();
                break;
            case '\r':
            case '\n':
                break;  // line ends in the file are not line ends of the text
            default:
                Byte(static_cast<unsigned char>(c));
        }
    }

    void OpenGroup() {
        skipCount_ = 0;
        starred_ = false;
        if (stack_.size() >= kMaxTrackedDepth) {
            ++untrackedDepth_;
            return;
        }
        GroupState inner = State();
        stack_.push_back(inner);
    }

    void CloseGroup() {
        skipCount_ = 0;
        starred_ = false;
        if (untrackedDepth_ > 0) {
            --untrackedDepth_;
            return;
        }
        if (State().destination == Destination::FontTable) {
            EndFontEntry();
        }
        if (State().destination == Destination::Bookmark && bookmarkDepth_ == stack_.size()) {
            page_.Anchor(AnchorName(bookmark_));
            bookmark_.clear();
        }
        if (!fields_.empty() && fields_.back().depth == stack_.size()) {
            fields_.pop_back();
        }
        if (stack_.size() > 1) {
            stack_.pop_back();
        }
    }

    void Escape() {
        if (pos_ >= in_.size()) {
            return;
        }
        const char c = in_[pos_];
        if (IsLetter(c)) {
            ControlWord();
            return;
        }
        ++pos_;
        if (c == '\'') {
            HexByte();
            return;
        }
        if (SkippingFallback()) {
            return;
        }
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Character(static_cast<unsigned char>(c));
                break;
            case '~':
                Character(0x00A0);
                break;
            case '-':
                Character(0x00AD);
                break;
            case '_':
                Character(0x2011);
                break;
            case '*':
                // A destination this reader does not know is skipped whole; the
                // control word that follows may name one it reads after all.
                starred_ = true;
                starredFrom_ = State().destination;
                State().destination = Destination::Skip;
                break;
            case '\r':
            case '\n':
                if (State().destination == Destination::Text) {
                    EndParagraph();
                }
                break;
            default:
                break;  // \: \| and the like mark index entries and formulas
        }
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    static int HexValue(char c) {
        if (IsDigit(c)) {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    }

    // \'hh: a byte of the code page. A cut-off or malformed escape is dropped.
    void HexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
            value = value * 16 + HexValue(in_[pos_]);
            ++pos_;
            ++digits;
        }
        if (digits == 2) {
            Byte(static_cast<unsigned char>(value));
        } else {
            SkippingFallback();  // a broken escape still stands for one fallback character
        }
    }

    void ControlWord() {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) {
            ++pos_;
        }
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParam = false;
        bool negative = false;
        std::int64_t magnitude = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasParam = true;
            // Saturate rather than overflow; every parameter we use is far smaller.
            magnitude = std::min<std::int64_t>(magnitude * 10 + (in_[pos_] - '0'), INT32_MAX);
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') {
            ++pos_;  // the space that ends a control word belongs to it
        }
        const int param = static_cast<int>(negative ? -magnitude : magnitude);
        const bool starred = std::exchange(starred_, false);
        if (word == "bin") {
            // Binary data is never text; it is passed over whatever it holds.
            const std::size_t length = hasParam && param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ += std::min(length, in_.size() - pos_);
            return;
        }
        if (word.size() > kMaxWordLength || SkippingFallback()) {
            return;
        }
        if (starred && starredFrom_ == Destination::Text) {
            if (word == "bkmkstart") {
                StartBookmark();
            } else if (word == "fldinst") {
                StartFieldInstruction();
            }
            return;
        }
        switch (State().destination) {
            case Destination::Text:
                TextWord(word, hasParam, param);
                break;
            case Destination::FontTable:
                FontTableWord(word, hasParam, param);
                break;
            case Destination::ColorTable:
                ColorTableWord(word, param);
                break;
            case Destination::Skip:
            case Destination::Bookmark:
            case Destination::FieldInstruction:
                break;
        }
    }

    // Destinations whose content is never shown.
    static bool IsSkippedDestination(std::string_view word) {
        static constexpr std::array<std::string_view, 32> kSkipped = {
            "stylesheet", "info",       "pict",       "header",    "headerl",      "headerr",
            "headerf",    "footer",     "footerl",    "footerr",   "footerf",      "bkmkend",
            "object",     "objdata",    "xe",         "tc",        "listtable",    "listoverridetable",
            "revtbl",     "rsidtbl",    "generator",  "themedata", "latentstyles", "datastore",
            "footnote",   "annotation", "nonshppict", "shp",       "filetbl",      "colorschememapping",
            "xmlnstbl",   "private"};
        return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
    }

    void TextWord(std::string_view word, bool hasParam, int param) {
        GroupState& state = State();
        CharFormat& chars = state.chars;
        ParaFormat& para = state.para;
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "sect" || word == "page" || word == "row") {
            EndParagraph();
        } else if (word == "line") {
            LineBreak();
        } else if (word == "field") {
            StartField();
        } else if (word == "fldinst") {
            StartFieldInstruction();
        } else if (word == "fldrslt") {
            StartFieldResult();
        } else if (word == "tab" || word == "cell") {
            Character('\t');
        } else if (word == "u" && hasParam) {
            Unicode(param);
        } else if (word == "uc") {
            state.unicodeSkip = std::clamp(param, 0, 255);
        } else if (word == "pard") {
            para = ParaFormat{};
        } else if (word == "plain") {
            chars = CharFormat{};
            chars.font = defaultFont_;
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word.starts_with("ul") && word != "ulc") {
            chars.underline = on;  // every underline style is shown as a plain one
        } else if (word == "strike" || word == "striked") {
            chars.strike = on;
        } else if (word == "v") {
            chars.hidden = on;
        } else if (word == "sub") {
            chars.vertical = on ? -1 : 0;
        } else if (word == "super") {
            chars.vertical = on ? 1 : 0;
        } else if (word == "nosupersub") {
            chars.vertical = 0;
        } else if (word == "fs") {
            chars.halfPoints = hasParam ? std::clamp(param, 1, kMaxHalfPoints) : 24;
        } else if (word == "f") {
            chars.font = param;
        } else if (word == "cf") {
            chars.color = param;
        } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
            chars.background = param;
        } else if (word == "ql") {
            para.alignment = Alignment::Left;
        } else if (word == "qc") {
            para.alignment = Alignment::Center;
        } else if (word == "qr") {
            para.alignment = Alignment::Right;
        } else if (word == "qj" || word == "qd") {
            para.alignment = Alignment::Justify;
        } else if (word == "li" || word == "lin") {
            para.leftTwips = ClampTwips(param);
        } else if (word == "ri" || word == "rin") {
            para.rightTwips = ClampTwips(param);
        } else if (word == "fi") {
            para.firstLineTwips = ClampTwips(param);
        } else if (word == "sb") {
            para.beforeTwips = std::clamp(param, 0, kMaxTwips);
        } else if (word == "sa") {
            para.afterTwips = std::clamp(param, 0, kMaxTwips);
        } else if (word == "ansi") {
            codePage_ = 1252;
        } else if (word == "ansicpg") {
            codePage_ = param;
        } else if (word == "pc") {
            codePage_ = 437;
        } else if (word == "pca") {
            codePage_ = 850;
        } else if (word == "mac") {
            codePage_ = 10000;
        } else if (word == "deff") {
            defaultFont_ = param;
            chars.font = param;
        } else if (word == "fonttbl") {
            state.destination = Destination::FontTable;
            fontIndex_ = 0;
            fontName_.clear();
        } else if (word == "colortbl") {
            state.destination = Destination::ColorTable;
            colors_.clear();
            pendingColor_.reset();
        } else if (word == "emdash") {
            Character(0x2014);
        } else if (word == "endash") {
            Character(0x2013);
        } else if (word == "bullet") {
            Character(0x2022);
        } else if (word == "lquote") {
            Character(0x2018);
        } else if (word == "rquote") {
            Character(0x2019);
        } else if (word == "ldblquote") {
            Character(0x201C);
        } else if (word == "rdblquote") {
            Character(0x201D);
        } else if (word == "emspace") {
            Character(0x2003);
        } else if (word == "enspace") {
            Character(0x2002);
        } else if (word == "qmspace") {
            Character(0x2005);
        } else if (IsSkippedDestination(word)) {
            state.destination = Destination::Skip;
        }
    }

    void FontTableWord(std::string_view word, bool hasParam, int param) {
        if (word == "f") {
            EndFontEntry();
            fontIndex_ = param;
        } else if (word == "fcharset") {
            if (Font* font = FontEntry()) {
                font->codePage = CodePageOfCharset(param);
            }
        } else if (word == "cpg" && hasParam) {
            if (Font* font = FontEntry()) {
                font->codePage = param;
            }
        } else if (word == "u" && hasParam) {
            Unicode(param);
        } else if (word == "uc") {
            State().unicodeSkip = std::clamp(param, 0, 255);
        }
    }

    void ColorTableWord(std::string_view word, int param) {
        const int component = std::clamp(param, 0, 255);
        if (word == "red") {
            Color().red = component;
        } else if (word == "green") {
            Color().green = component;
        } else if (word == "blue") {
            Color().blue = component;
        }
    }

    ColorEntry& Color() {
        if (!pendingColor_) {
            pendingColor_ = ColorEntry{};
        }
        return *pendingColor_;
    }

    void EndFontEntry() {
        // Font names carry no quotes, markup or braces; anything of the kind is
        // dropped so the name can stand in the page's style sheet.
        std::string name;
        for (const char c : fontName_) {
            if (c != '\'' && c != '"' && c != '<' && c != '>' && c != '&' && c != ';' && c != '\\' &&
                c != '{' && c != '}' && static_cast<unsigned char>(c) >= 0x20) {
                name += c;
            }
        }
        fontName_.clear();
        const auto first = name.find_first_not_of(' ');
        if (first == std::string::npos) {
            return;
        }
        name = name.substr(first, name.find_last_not_of(' ') - first + 1);
        CutUtf8(name, kMaxFontNameBytes);
        if (Font* font = FontEntry()) {
            font->name = std::move(name);
        }
    }

    // {\*\bkmkstart name}: an anchor where the bookmark starts ({\*\bkmkend name},
    // where it ends, is skipped like any unknown destination).
    void StartBookmark() {
        State().destination = Destination::Bookmark;
        bookmarkDepth_ = stack_.size();
        bookmark_.clear();
    }

    // {\field{\*\fldinst HYPERLINK \\l "name"}{\fldrslt text}}: the result shows,
    // as a link when the instruction is one the page follows.
    void StartField() {
        if (untrackedDepth_ == 0 && fields_.size() < kMaxOpenFields) {
            fields_.push_back(Field{stack_.size(), {}, {}});
        }
    }

    // Whether the group now open is a part of the innermost open field.
    bool InInnermostField() const {
        return untrackedDepth_ == 0 && !fields_.empty() && fields_.back().depth + 1 == stack_.size();
    }

    void StartFieldInstruction() {
        State().destination = InInnermostField() ? Destination::FieldInstruction : Destination::Skip;
    }

    void StartFieldResult() {
        GroupState& state = State();
        state.link = 0;
        if (InInnermostField()) {
            Field& field = fields_.back();
            field.link = HyperlinkTarget(field.instruction);
            if (!field.link.empty()) {
                state.link = static_cast<int>(fields_.size());
            }
        }
    }

    std::string_view Link() const {
        const int link = stack_.back().link;
        return link > 0 && static_cast<std::size_t>(link) <= fields_.size()
                   ? std::string_view(fields_[static_cast<std::size_t>(link) - 1].link)
                   : std::string_view();
    }

    // The entry of the font being defined, or null when the table is full.
    Font* FontEntry() {
        const auto found = fonts_.find(fontIndex_);
        if (found != fonts_.end()) {
            return &found->second;
        }
        return fonts_.size() < kMaxFonts ? &fonts_[fontIndex_] : nullptr;
    }

    bool SkippingFallback() {
        if (skipCount_ > 0) {
            --skipCount_;
            return true;
        }
        return false;
    }

    // \uN: a UTF-16 code unit, negative above 32767; the next \uc characters
    // are the fallback for readers that do not know \u.
    void Unicode(int param) {
        const std::int64_t unit = param < 0 ? std::int64_t{param} + 65536 : param;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            FlushPendingSurrogate();
            highSurrogate_ = static_cast<char32_t>(unit);
        } else if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
            const char32_t c =
                0x10000 + ((highSurrogate_ - 0xD800) << 10) + (static_cast<char32_t>(unit) - 0xDC00);
            highSurrogate_ = 0;
            Character(c);
        } else {
            Character(unit < 0 || unit > 0x10FFFF ? 0xFFFD : static_cast<char32_t>(unit));
        }
        skipCount_ = State().unicodeSkip;
    }

    void FlushPendingSurrogate() {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            Character(0xFFFD);
        }
    }

    void Byte(unsigned char byte) {
        if (SkippingFallback()) {
            return;
        }
        if (byte < 0x20 && byte != '\t') {
            return;
        }
        Character(DecodeByte(CurrentCodePage(), byte));
    }

    const CodePage& CurrentCodePage() const {
        int number = codePage_;
        const auto font = fonts_.find(stack_.back().chars.font);
        if (stack_.back().destination == Destination::Text && font != fonts_.end() &&
            font->second.codePage != 0) {
            number = font->second.codePage;
        }
        const CodePage* page = FindCodePage(number);
        return page != nullptr ? *page : *FindCodePage(1252);
    }

    void Character(char32_t c) {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            Character(0xFFFD);
        }
        if (c < 0x20 && c != '\t') {
            return;  // control characters have no place in the text
        }
        switch (State().destination) {
            case Destination::Text:
                if (!State().chars.hidden) {
                    page_.Text(RunStyle(), c, Link());
                }
                break;
            case Destination::Bookmark:
                if (bookmark_.size() <= kMaxAnchorNameBytes * 4) {
                    AppendUtf8(bookmark_, c);  // enough to cut from
                }
                break;
            case Destination::FieldInstruction:
                if (!fields_.empty() && fields_.back().instruction.size() < kMaxInstructionBytes) {
                    AppendUtf8(fields_.back().instruction, c);
                }
                break;
            case Destination::FontTable:
                if (c == ';') {
                    EndFontEntry();
                } else if (fontName_.size() <= kMaxFontNameBytes * 4) {
                    AppendUtf8(fontName_, c);  // enough to cut from, with blanks around
                }
                break;
            case Destination::ColorTable:
                if (c == ';') {
                    if (colors_.size() < kMaxColors) {
                        colors_.push_back(pendingColor_);
                    }
                    pendingColor_.reset();
                }
                break;
            case Destination::Skip:
                break;
        }
    }

    void LineBreak() { page_.LineBreak(RunStyle(), Link()); }

    void EndParagraph() { page_.EndParagraph(RunStyle(), ParaStyle(State().para)); }

    // The style of the current character format, worked out again only when the
    // format changes.
    const std::string& RunStyle() {
        const CharFormat& chars = State().chars;
        if (!styleKnown_ || styleFormat_ != chars) {
            style_ = CharStyle(chars);
            styleFormat_ = chars;
            styleKnown_ = true;
        }
        return style_;
    }

    std::string ColorText(int index) const {
        if (index <= 0 || static_cast<std::size_t>(index) >= colors_.size() || !colors_[index]) {
            return {};
        }
        static constexpr char kHex[] = "0123456789abcdef";
        std::string text = "#";
        for (const int component : {colors_[index]->red, colors_[index]->green, colors_[index]->blue}) {
            text += kHex[component / 16];
            text += kHex[component % 16];
        }
        return text;
    }

    std::string CharStyle(const CharFormat& chars) const {
        std::string style;
        const auto font = fonts_.find(chars.font);
        if (font != fonts_.end() && !font->second.name.empty()) {
            style += "font-family:'";
            style += font->second.name;
            style += "'; ";
        }
        if (chars.halfPoints > 0) {
            style += "font-size:";
            style += std::to_string(chars.halfPoints / 2);
            style += chars.halfPoints % 2 != 0 ? ".5pt; " : "pt; ";
        }
        if (chars.bold) {
            style += "font-weight:700; ";
        }
        if (chars.italic) {
            style += "font-style:italic; ";
        }
        if (chars.underline || chars.strike) {
            style += "text-decoration:";
            style += chars.underline ? " underline" : "";
            style += chars.strike ? " line-through" : "";
            style += "; ";
        }
        if (chars.vertical != 0) {
            style += chars.vertical < 0 ? "vertical-align:sub; " : "vertical-align:super; ";
        }
        if (const std::string color = ColorText(chars.color); !color.empty()) {
            style += "color:";
            style += color;
            style += "; ";
        }
        if (const std::string color = ColorText(chars.background); !color.empty()) {
            style += "background-color:";
            style += color;
            style += "; ";
        }
        if (!style.empty()) {
            style.resize(style.size() - 2);  // the last "; "
        }
        return style;
    }

    static std::string ParaStyle(const ParaFormat& para) {
        // Every margin is given, as Qt's own paragraphs otherwise keep 12 px above and below.
        std::string style = "margin-top:";
        style += Pixels(para.beforeTwips);
        style += "; margin-bottom:";
        style += Pixels(para.afterTwips);
        style += "; margin-left:";
        style += Pixels(para.leftTwips);
        style += "; margin-right:";
        style += Pixels(para.rightTwips);
        style += "; text-indent:";
        style += Pixels(para.firstLineTwips);
        switch (para.alignment) {
            case Alignment::Left:
                break;
            case Alignment::Center:
                style += "; text-align:center";
                break;
            case Alignment::Right:
                style += "; text-align:right";
                break;
            case Alignment::Justify:
                style += "; text-align:justify";
                break;
        }
        // Spaces and tabs in a document are meant as typed.
        style += "; white-space:pre-wrap";
        return style;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t untrackedDepth_ = 0;
    int skipCount_ = 0;
    char32_t highSurrogate_ = 0;
    int codePage_ = 1252;
    int defaultFont_ = -1;

    bool starred_ = false;  // a \* came just before
    Destination starredFrom_ = Destination::Text;
    std::string bookmark_;
    std::size_t bookmarkDepth_ = 0;
    std::vector<Field> fields_;

    std::map<int, Font> fonts_;
    int fontIndex_ = 0;
    std::string fontName_;
    std::vector<std::optional<ColorEntry>> colors_;
    std::optional<ColorEntry> pendingColor_;

    HtmlPageWriter page_;
    bool styleKnown_ = false;
    CharFormat styleFormat_;
    std::string style_;
};

// The length of the well-formed UTF-8 sequence at text[i], or 0 when the bytes
// there are no such sequence (a stray byte, an overlong form, a surrogate).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// The code point of the well-formed sequence of `length` bytes at text[i].
char32_t DecodeUtf8(std::string_view text, std::size_t i, std::size_t length) {
    static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(text[i]) & kLeadBits[length];
    for (std::size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    return c;
}

std::string PlainTextToHtml(std::string_view text) {
    static constexpr std::string_view kLineStyle = "margin-top:0px; margin-bottom:0px; white-space:pre-wrap";
    HtmlPageWriter page(false);
    std::size_t start = 0;
    while (start <= text.size() && !page.full()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (end == text.size() && line.empty()) {
            break;
        }
        // Plain text today is UTF-8. A byte that is not (a text in some other
        // encoding) becomes U+FFFD, so the page stays valid whatever the file holds.
        for (std::size_t i = 0; i < line.size() && !page.full();) {
            const std::size_t length = Utf8SequenceLength(line, i);
            page.Text({}, length == 0 ? U'\uFFFD' : DecodeUtf8(line, i, length));
            i += std::max<std::size_t>(length, 1);
        }
        page.EndParagraph({}, kLineStyle);
        start = end + 1;
    }
    return page.Page();
}

}  // namespace

std::string RtfToHtml(std::string_view rtf) {
    std::size_t start = 0;
    if (rtf.starts_with("\xEF\xBB\xBF")) {
        start = 3;
    }
    while (start < rtf.size() &&
           (rtf[start] == ' ' || rtf[start] == '\t' || rtf[start] == '\r' || rtf[start] == '\n')) {
        ++start;
    }
    if (!rtf.substr(start).starts_with("{\\rtf")) {
        return PlainTextToHtml(rtf);
    }
    return RtfReader(rtf.substr(start)).Html();
}

}  // namespace orvanta
