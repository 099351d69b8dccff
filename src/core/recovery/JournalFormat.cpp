// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/recovery/JournalFormat.h"

#include <boost/crc.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/model/NumberTable.h"

namespace orvanta {

namespace {

constexpr std::string_view kMagic = "ORVANTA-JOURNAL ";
constexpr std::string_view kCheckMark = " ~";
constexpr std::size_t kCheckDigits = 8;
// The first line names a run in a few dozen bytes; a file name is at most PATH_MAX
// bytes, each escaped to at most three.
constexpr std::size_t kLongestHeader = 1024;
constexpr std::size_t kLongestFileRecord = 3 * 4096 + 64;

std::uint32_t Crc(std::string_view text) {
    boost::crc_32_type crc;
    crc.process_bytes(text.data(), text.size());
    return crc.checksum();
}

// Ends a record with its check and a line feed.
std::string Sealed(std::string record, std::uint32_t crc) {
    char check[kCheckDigits + 1];
    std::snprintf(check, sizeof check, "%08x", crc);
    record.append(kCheckMark).append(check, kCheckDigits).push_back('\n');
    return record;
}

std::string Sealed(std::string record) {
    const std::uint32_t crc = Crc(record);
    return Sealed(std::move(record), crc);
}

void AppendNumber(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    out.append(digits, end);
}

// Each spin's text made once (" 7", " 17"), so that a long history is a run of short
// copies. The caller reserves the room.
struct SpinText {
    std::array<char, 3> text;
    std::size_t size;
};
constexpr std::array<SpinText, kNumberCount> kSpinTexts = [] {
    std::array<SpinText, kNumberCount> texts{};
    for (int n = 0; n < kNumberCount; ++n) {
        SpinText& t = texts[static_cast<std::size_t>(n)];
        t.text = {' ', static_cast<char>(n < 10 ? '0' + n : '0' + n / 10), static_cast<char>('0' + n % 10)};
        t.size = n < 10 ? 2 : 3;
    }
    return texts;
}();

void AppendSpins(std::string& out, std::span<const std::int8_t> spins) {
    for (const std::int8_t n : spins) {
        if (IsWheelNumber(n)) {
            const SpinText& spin = kSpinTexts[static_cast<std::size_t>(n)];
            out.append(spin.text.data(), spin.size);
        } else {
            // Never in a history; written as it is, so that reading it back fails its record.
            out.push_back(' ');
            AppendNumber(out, n);
        }
    }
}

// A file name may hold any byte but a line end must not break the record, so line
// ends, other control bytes and the escape itself are written as %XX.
std::string Escaped(std::string_view path) {
    std::string out;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            out += code;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        unsigned value = 0;
        const char* digits = text.data() + i + 1;
        if (i + 2 >= text.size() || std::from_chars(digits, digits + 2, value, 16).ptr != digits + 2) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(value));
        i += 2;
    }
    return out;
}

// Reads the blank-separated whole numbers of a record's body.
class Numbers {
public:
    explicit Numbers(std::string_view text) : text_(text) {}
    std::optional<long long> Next() {
        if (pos_ >= text_.size() || text_[pos_] != ' ') {
            return std::nullopt;
        }
        long long value = 0;
        const char* begin = text_.data() + pos_ + 1;
        const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
        if (error != std::errc() || end == begin) {
            return std::nullopt;
        }
        pos_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }
    bool AtEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool ReadSpins(Numbers& numbers, std::vector<std::int8_t>& out) {
    while (!numbers.AtEnd()) {
        const std::optional<long long> n = numbers.Next();
        if (!n || *n < kLowestNumber || *n > kHighestNumber) {
            return false;
        }
        out.push_back(static_cast<std::int8_t>(*n));
    }
    return true;
}

// Applies one checked record; false when it makes no sense for the history so far.
bool Apply(std::string_view record, JournalContents& journal) {
    if (record.empty()) {
        return false;
    }
    const char kind = record[0];
    const std::string_view body = record.substr(1);
    std::vector<std::int8_t>& spins = journal.spins;
    Numbers numbers(body);
    switch (kind) {
        case 'I': {
            const std::optional<long long> position = numbers.Next();
            std::vector<std::int8_t> inserted;
            if (!position || *position < 1 || *position > static_cast<long long>(spins.size()) + 1 ||
                !ReadSpins(numbers, inserted)) {
                return false;
            }
            spins.insert(spins.begin() + (*position - 1), inserted.begin(), inserted.end());
            journal.unsaved = true;
            return true;
        }
        case 'D': {
            const std::optional<long long> position = numbers.Next();
            const std::optional<long long> count = numbers.Next();
            if (!position || !count || !numbers.AtEnd() || *position < 1 || *count < 0 ||
                *count > static_cast<long long>(spins.size()) - (*position - 1)) {
                return false;
            }
            const auto first = spins.begin() + (*position - 1);
            spins.erase(first, first + *count);
            journal.unsaved = true;
            return true;
        }
        case 'C': {
            std::vector<std::int8_t> replaced;
            if (!ReadSpins(numbers, replaced)) {
                return false;
            }
            spins = std::move(replaced);
            journal.unsaved = true;
            return true;
        }
        case 'F': {
            if (!body.empty() && body[0] != ' ') {
                return false;
            }
            std::optional<std::string> file = Unescaped(body.empty() ? body : body.substr(1));
            if (!file) {
                return false;
            }
            journal.file = std::move(*file);
            return true;
        }
        case 'K':
            if (!body.empty()) {
                return false;
            }
            journal.unsaved = false;
            return true;
        default:
            return false;
    }
}

struct Header {
    int version = 0;
    std::string_view run;
};

// "ORVANTA-JOURNAL <version> <run>"
std::optional<Header> ReadHeader(std::string_view record) {
    if (!record.starts_with(kMagic)) {
        return std::nullopt;
    }
    record.remove_prefix(kMagic.size());
    Header header;
    const auto [end, error] = std::from_chars(record.data(), record.data() + record.size(), header.version);
    const std::size_t digits = static_cast<std::size_t>(end - record.data());
    if (error != std::errc() || header.version < 1 || digits >= record.size() || record[digits] != ' ' ||
        digits + 1 == record.size()) {
        return std::nullopt;
    }
    header.run = record.substr(digits + 1);
    return header;
}

// The record of one line without its check, or nothing when the check fails.
std::optional<std::string_view> Checked(std::string_view line) {
    const std::size_t mark = line.rfind(kCheckMark);
    if (mark == std::string_view::npos || line.size() - mark != kCheckMark.size() + kCheckDigits) {
        return std::nullopt;
    }
    std::uint32_t check = 0;
    const char* digits = line.data() + mark + kCheckMark.size();
    const auto [end, error] = std::from_chars(digits, digits + kCheckDigits, check, 16);
    if (error != std::errc() || end != digits + kCheckDigits) {
        return std::nullopt;
    }
    const std::string_view record = line.substr(0, mark);
    if (Crc(record) != check) {
        return std::nullopt;
    }
    return record;
}

}  // namespace

std::string JournalHeader(std::string_view run) {
    std::string record(kMagic);
    AppendNumber(record, kJournalVersion);
    return Sealed(record.append(" ").append(run));
}

std::string JournalInsert(int position, std::span<const std::int8_t> spins) {
    std::string record = "I ";
    record.reserve(spins.size() * 3 + 16);
    AppendNumber(record, position);
    AppendSpins(record, spins);
    return Sealed(std::move(record));
}

std::string JournalRemove(int position, int count) {
    std::string record = "D ";
    AppendNumber(record, position);
    record.push_back(' ');
    AppendNumber(record, count);
    return Sealed(std::move(record));
}

std::string JournalReplace(std::span<const std::int8_t> spins) {
    JournalReplaceRecord record;
    record.Append(spins);
    return record.Take();
}

JournalReplaceRecord::JournalReplaceRecord() : record_("C") {
    check_.process_byte('C');
}

void JournalReplaceRecord::Append(std::span<const std::int8_t> spins) {
    const std::size_t checked = record_.size();
    // Room grows by half at a time, so that the copies a long history costs stay few.
    if (const std::size_t needed = checked + spins.size() * 3; needed > record_.capacity()) {
        record_.reserve(std::max(needed, record_.capacity() + record_.capacity() / 2));
    }
    AppendSpins(record_, spins);
    check_.process_bytes(record_.data() + checked, record_.size() - checked);
}

std::string JournalReplaceRecord::Take() {
    std::string sealed = Sealed(std::move(record_), check_.checksum());
    *this = JournalReplaceRecord();
    return sealed;
}

std::string JournalFile(std::string_view path) {
    return Sealed("F " + Escaped(path));
}

std::string JournalClean() {
    return Sealed("K");
}

std::string JournalLine(std::string_view record) {
    return Sealed(std::string(record));
}

bool JournalReader::Feed(std::string_view bytes) {
    while (!stopped_ && !bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!Plausible(piece)) {
            Stop(false);
            break;
        }
        if (end == std::string_view::npos) {
            partial_.append(piece);
            break;
        }
        if (partial_.empty()) {
            TakeLine(piece);  // the usual case: a whole line within the piece, read in place
        } else {
            partial_.append(piece);
            TakeLine(partial_);
            partial_.clear();
        }
        bytes.remove_prefix(end + 1);
    }
    return !stopped_;
}

JournalContents JournalReader::Finish() {
    if (!stopped_ && !partial_.empty()) {
        Stop(true);
    }
    partial_.clear();
    return std::move(journal_);
}

// Whether the line read so far, with more added, can still become a sound line. Only
// the bytes a record may hold are taken, and only as many as the longest record of its
// kind, so that garbage, or a file of zeros, is given up at once.
bool JournalReader::Plausible(std::string_view more) const {
    if (more.empty()) {
        return true;
    }
    const std::size_t length = partial_.size() + more.size();
    if (lineNumber_ == 1) {
        return length <= kLongestHeader;
    }
    const char kind = partial_.empty() ? more[0] : partial_[0];
    if (kind == 'I' || kind == 'C' || kind == 'D') {
        if (partial_.empty()) {
            more.remove_prefix(1);
        }
        return std::all_of(more.begin(), more.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || c == ' ' || c == '~';
        });
    }
    // A kind this version does not know (from a newer one) is read as far as its
    // check, and reading stops at it.
    return length <= (kind == 'F' ? kLongestFileRecord : kLongestHeader);
}

void JournalReader::Stop(bool cutOff) {
    journal_.damagedLine = lineNumber_;
    journal_.cutOff = cutOff;
    journal_.firstLineDamaged = journal_.firstLineDamaged || (lineNumber_ == 1 && !cutOff);
    // A damaged journal counts as unsaved: what it lost may not have been.
    journal_.unsaved = journal_.unsaved || lineNumber_ > 1;
    stopped_ = true;
}

void JournalReader::TakeLine(std::string_view line) {
    const std::optional<std::string_view> record = Checked(line);
    if (lineNumber_ == 1) {
        const std::optional<Header> header = record ? ReadHeader(*record) : std::nullopt;
        if (header) {
            journal_.version = header->version;
            journal_.run = std::string(header->run);
        } else {
            journal_.firstLineDamaged = true;
        }
        // A run that wrote nothing yet has nothing saved either.
        journal_.unsaved = true;
        ++lineNumber_;
        return;
    }
    if (!record || !Apply(*record, journal_)) {
        Stop(false);
        return;
    }
    ++lineNumber_;
}

JournalContents ReadJournal(std::string_view bytes) {
    JournalReader reader;
    reader.Feed(bytes);
    return reader.Finish();
}

}  // namespace orvanta
