// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/ResultsFile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace orvanta {

namespace {

// Each record pre-made, so writing a million spins is a run of 4-byte copies.
constexpr std::array<std::array<char, kResultsRecordBytes>, 37> kRecords = [] {
    std::array<std::array<char, kResultsRecordBytes>, 37> records{};
    for (int n = 0; n <= 36; ++n) {
        auto& r = records[static_cast<std::size_t>(n)];
        r[0] = n < 10 ? static_cast<char>('0' + n) : static_cast<char>('0' + n / 10);
        r[1] = n < 10 ? ' ' : static_cast<char>('0' + n % 10);
        r[2] = '\r';
        r[3] = '\n';
    }
    return records;
}();

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct Conversion {
    ResultsField::Kind kind;
    int number = 0;
};

// Converts a decimal number exactly, on its digits, so that no binary
// fraction can tip a half the wrong way ("36.5000000000000001" is 37, not 36).
// Accepts [+-]digits[.digits][(e|E)[+-]digits] with a digit on at least one
// side of the point; anything else (hex, dates, thousands marks) is no number.
Conversion ConvertNumber(std::string_view text) {
    // What the program itself writes: one or two plain digits.
    if (text.size() <= 2 && IsDigit(text[0]) && IsDigit(text.back())) {
        const int n = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
        return n <= 36 ? Conversion{ResultsField::Kind::Spin, n}
                       : Conversion{ResultsField::Kind::NotAWheelNumber};
    }
    const Conversion notANumber{ResultsField::Kind::NotANumber};
    const Conversion notAWheelNumber{ResultsField::Kind::NotAWheelNumber};

    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;        // integer and fraction digits together
    std::int64_t pointAt = 0;  // how many of digits stand before the point
    while (i < text.size() && IsDigit(text[i])) {
        digits += text[i++];
    }
    pointAt = static_cast<std::int64_t>(digits.size());
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            digits += text[i++];
        }
    }
    if (digits.empty()) {
        return notANumber;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == text.size() || !IsDigit(text[i])) {
            return notANumber;
        }
        std::int64_t exponent = 0;
        while (i < text.size() && IsDigit(text[i])) {
            // Fields are short, so any exponent past this moves every digit out of sight.
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i++] - '0'), 1000);
        }
        pointAt += negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return notANumber;
    }

    // Drop leading zeros; all zeros is 0 whatever its sign or exponent.
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return {ResultsField::Kind::Spin, 0};
    }
    pointAt -= static_cast<std::int64_t>(firstNonZero);
    const std::string_view significant = std::string_view(digits).substr(firstNonZero);

    // The whole part has pointAt digits (the digits past the end are zeros);
    // more than two can never be 0 to 36.
    if (pointAt > 2) {
        return notAWheelNumber;
    }
    int whole = 0;
    for (std::int64_t k = 0; k < pointAt; ++k) {
        const std::size_t at = static_cast<std::size_t>(k);
        whole = whole * 10 + (at < significant.size() ? significant[at] - '0' : 0);
    }

    // The fraction: its first digit decides, unless it is a 5 followed by
    // nothing but zeros, which is the half that goes to the even neighbour.
    std::string_view fraction;
    std::int64_t leadingFractionZeros = 0;
    if (pointAt >= 0) {
        fraction =
            significant.substr(std::min<std::size_t>(static_cast<std::size_t>(pointAt), significant.size()));
    } else {
        fraction = significant;
        leadingFractionZeros = -pointAt;
    }
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    if (!fraction.empty() && leadingFractionZeros == 0) {
        const bool aboveHalf = fraction[0] > '5' || (fraction[0] == '5' && fraction.size() > 1);
        const bool exactlyHalf = fraction == "5";
        if (aboveHalf || (exactlyHalf && whole % 2 == 1)) {
            ++whole;
        }
    }

    if (whole == 0) {
        return {ResultsField::Kind::Spin, 0};  // -0.4 rounds to 0, a wheel number
    }
    if (negative || whole > 36) {
        return notAWheelNumber;
    }
    return {ResultsField::Kind::Spin, whole};
}

}  // namespace

void AppendResultsRecords(const SpinModel& model, int first, int last, std::string& out) {
    first = std::max(first, 1);
    last = std::min(last, model.SpinCount());
    if (first > last) {
        return;
    }
    const auto& spins = model.Spins();
    const std::size_t count = static_cast<std::size_t>(last - first + 1);
    const std::size_t start = out.size();
    out.resize(start + count * kResultsRecordBytes);
    char* to = out.data() + start;
    for (std::size_t i = static_cast<std::size_t>(first - 1); i < static_cast<std::size_t>(last); ++i) {
        std::memcpy(to, kRecords[static_cast<std::size_t>(spins[i])].data(), kResultsRecordBytes);
        to += kResultsRecordBytes;
    }
}

std::string ResultsFileBytes(const SpinModel& model) {
    std::string bytes;
    AppendResultsRecords(model, 1, model.SpinCount(), bytes);
    return bytes;
}

std::string DescribeUnusableField(const ResultsField& field) {
    constexpr std::size_t kShownBytes = 32;
    std::string shown;
    for (std::size_t i = 0; i < field.text.size() && i < kShownBytes; ++i) {
        const auto byte = static_cast<unsigned char>(field.text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += static_cast<char>(byte);
        } else {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0x0F];
        }
    }
    if (field.text.size() > kShownBytes || field.kind == ResultsField::Kind::TooLong) {
        shown += "...";
    }

    std::string description = "line ";
    description += std::to_string(field.line);
    description += ", field ";
    description += std::to_string(field.field);
    description += ": '";
    description += shown;
    switch (field.kind) {
        case ResultsField::Kind::Spin:
            description += "' is a wheel number";
            break;
        case ResultsField::Kind::NotANumber:
            description += "' is not a number";
            break;
        case ResultsField::Kind::NotAWheelNumber:
            description += "' is not a wheel number 0 to 36";
            break;
        case ResultsField::Kind::TooLong:
            description += "' is too long to be a wheel number";
            break;
    }
    return description;
}

void ResultsFileReader::Feed(std::string_view bytes) {
    if (finishing_ || stopped_) {
        return;
    }
    if (pos_ > 0) {
        input_.erase(0, pos_);
        pos_ = 0;
    }
    input_.append(bytes);
}

void ResultsFileReader::Finish() {
    finishing_ = true;
}

std::optional<ResultsField> ResultsFileReader::Next() {
    if (stopped_) {
        return std::nullopt;
    }
    while (pos_ < input_.size()) {
        if (auto field = TakeAfterByteOrderMark(input_[pos_++])) {
            return Report(std::move(*field));
        }
    }
    input_.clear();
    pos_ = 0;
    if (finishing_ && !finished_) {
        finished_ = true;
        // A mark cut short at the very end is ordinary bytes after all.
        for (std::size_t i = 0; i < byteOrderMarkSeen_ && !pastStart_; ++i) {
            if (auto field = Take(kByteOrderMark[i])) {
                return Report(std::move(*field));
            }
        }
        // Only a field with something in it ends at the end of the file: blanks or
        // a comma after the last line end are no spin.
        if (!text_.empty()) {
            if (auto field = EndField()) {
                return Report(std::move(*field));
            }
        }
    }
    return std::nullopt;
}

std::optional<ResultsField> ResultsFileReader::TakeSpins(std::vector<std::int8_t>& out) {
    while (!stopped_) {
        TakePlainRecords(out);
        std::optional<ResultsField> field = Next();
        if (!field || !field->IsSpin()) {
            return field;
        }
        out.push_back(static_cast<std::int8_t>(field->number));
    }
    return std::nullopt;
}

// The records the program writes ("7 \r\n", "17\r\n") and any other wheel number of one
// or two digits alone in its field at the end of a line, taken straight from the bytes:
// the same spins and the same count of lines as the field by field way, at a fraction
// of its cost. Anything else, or a record not yet whole, is left to that way.
void ResultsFileReader::TakePlainRecords(std::vector<std::int8_t>& out) {
    if (!pastStart_ || !text_.empty() || !heldBlanks_.empty()) {
        return;
    }
    const char* const bytes = input_.data();
    const std::size_t size = input_.size();
    std::size_t at = pos_;
    while (at < size) {
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (bytes[at] == '\n') {
                ++at;  // the second half of CR LF
                continue;
            }
        }
        std::size_t end = at;
        if (!IsDigit(bytes[end])) {
            break;
        }
        int n = bytes[end++] - '0';
        if (end < size && IsDigit(bytes[end])) {
            n = n * 10 + (bytes[end++] - '0');
        }
        while (end < size && IsBlank(bytes[end])) {
            ++end;
        }
        if (end == size || (bytes[end] != '\r' && bytes[end] != '\n') || n > kHighestNumber) {
            break;
        }
        afterCarriageReturn_ = bytes[end] == '\r';
        out.push_back(static_cast<std::int8_t>(n));
        ++line_;
        field_ = 1;
        lineEndedByComma_ = false;
        at = end + 1;
    }
    pos_ = at;
}

std::optional<ResultsField> ResultsFileReader::Report(ResultsField field) {
    if (!field.IsSpin()) {
        stopped_ = true;
        input_.clear();
        input_.shrink_to_fit();
        pos_ = 0;
    }
    return field;
}

std::optional<ResultsField> ResultsFileReader::TakeAfterByteOrderMark(char c) {
    if (pastStart_) {
        return Take(c);
    }
    if (c == kByteOrderMark[byteOrderMarkSeen_]) {
        if (++byteOrderMarkSeen_ == kByteOrderMark.size()) {
            pastStart_ = true;  // a text editor's mark, not data
        }
        return std::nullopt;
    }
    // Not a mark after all: the bytes held so far are data. None of them ends a
    // field, so only c can.
    pastStart_ = true;
    for (std::size_t i = 0; i < byteOrderMarkSeen_; ++i) {
        if (auto field = Take(kByteOrderMark[i])) {
            return field;
        }
    }
    return Take(c);
}

std::optional<ResultsField> ResultsFileReader::Take(char c) {
    if (afterCarriageReturn_) {
        afterCarriageReturn_ = false;
        if (c == '\n') {
            return std::nullopt;  // the second half of CR LF
        }
    }
    const bool insideQuotes = quoted_ && !quoteClosed_;
    if (c == '\r' || c == '\n') {
        afterCarriageReturn_ = c == '\r';
        std::optional<ResultsField> field;
        // A comma just before the line end leaves no field behind it.
        if (!text_.empty() || !lineEndedByComma_) {
            field = EndField();
        }
        ++line_;
        field_ = 1;
        lineEndedByComma_ = false;
        StartField();
        return field;
    }
    if (c == ',' && !insideQuotes) {
        std::optional<ResultsField> field = EndField();
        ++field_;
        lineEndedByComma_ = true;
        StartField();
        return field;
    }
    if (IsBlank(c)) {
        // Leading blanks are skipped; later ones wait until something follows.
        if (!text_.empty() && heldBlanks_.size() <= ResultsField::kMaxTextBytes) {
            heldBlanks_ += c;
        }
        return std::nullopt;
    }
    if (text_.size() + heldBlanks_.size() + 1 > ResultsField::kMaxTextBytes) {
        ResultsField field;
        field.kind = ResultsField::Kind::TooLong;
        field.line = line_;
        field.field = field_;
        field.text = text_;
        field.text += heldBlanks_;
        field.text += c;
        field.text.resize(ResultsField::kMaxTextBytes);
        return field;
    }
    if (!heldBlanks_.empty()) {
        text_ += heldBlanks_;
        heldBlanks_.clear();
    }
    if (c == '"') {
        if (text_.empty()) {
            quoted_ = true;
        } else if (insideQuotes) {
            quoteClosed_ = true;
            closingQuoteAt_ = text_.size();
        }
    }
    text_ += c;
    return std::nullopt;
}

std::optional<ResultsField> ResultsFileReader::EndField() const {
    ResultsField field;
    field.line = line_;
    field.field = field_;
    std::string_view number = text_;
    // Only a closing quote as the field's last character encloses it; "7"x or an
    // unclosed "7 is no number, and is reported as it stands.
    if (quoted_) {
        if (!quoteClosed_ || closingQuoteAt_ + 1 != text_.size()) {
            field.kind = ResultsField::Kind::NotANumber;
            field.text = text_;
            return field;
        }
        number = TrimBlanksAndTabs(number.substr(1, closingQuoteAt_ - 1));
    }
    if (number.empty()) {
        return field;  // an empty field reads 0
    }
    const Conversion conversion = ConvertNumber(number);
    field.kind = conversion.kind;
    field.number = conversion.number;
    if (!field.IsSpin()) {
        field.text = std::string(number);
    }
    return field;
}

void ResultsFileReader::StartField() {
    text_.clear();
    heldBlanks_.clear();
    quoted_ = false;
    quoteClosed_ = false;
    closingQuoteAt_ = 0;
}

}  // namespace orvanta
