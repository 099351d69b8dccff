// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/SpinModel.h"

namespace orvanta {

// A results file is plain text: one spin per record, its 2-character slot text
// ("7 ", "36") and CR LF, oldest first, with no header. These functions make the
// bytes; the caller owns the file, so a long history can be written in chunks.

inline constexpr std::size_t kResultsRecordBytes = 4;

// Appends the records of slots first..last (1-based, inclusive, oldest first) to
// out. Slots outside 1..SpinCount() are left out, so an empty range adds nothing.
void AppendResultsRecords(const SpinModel& model, int first, int last, std::string& out);

// The whole file for the model's history; an empty history gives 0 bytes.
std::string ResultsFileBytes(const SpinModel& model);

// One field read from a results file: a spin, or the unusable field that ends
// the load.
struct ResultsField {
    enum class Kind {
        Spin,             // number holds the wheel number 0 to 36
        NotANumber,       // text is no decimal number
        NotAWheelNumber,  // a number that does not round to 0 to 36
        TooLong,          // longer than any number could sensibly be; text holds its start
    };

    // The longest field the reader buffers. Longer ones are reported as soon as
    // they pass this length, so one endless line never costs memory.
    static constexpr std::size_t kMaxTextBytes = 64;

    Kind kind = Kind::Spin;
    int number = 0;
    std::int64_t line = 1;   // 1-based line of the file
    std::int64_t field = 1;  // 1-based field on that line
    // An unusable field as it stands in the file, without the blanks around it
    // and without enclosing quotes; at most kMaxTextBytes bytes. Empty for a spin.
    std::string text;

    bool IsSpin() const { return kind == Kind::Spin; }
    bool operator==(const ResultsField&) const = default;
};

// "line 2, field 1: '38' is not a wheel number 0 to 36" for an unusable field:
// what a message box tells the user. Bytes that are not printable ASCII are
// shown as \xNN, so binary junk never reaches the screen raw.
std::string DescribeUnusableField(const ResultsField& field);

// Reads a results file as it arrives, in chunks of any size:
//
//     ResultsFileReader reader;
//     for each chunk: reader.Feed(chunk); while (auto f = reader.Next()) use(*f);
//     reader.Finish(); while (auto f = reader.Next()) use(*f);
//
// Fields end at a comma or a line end (CR LF, LF or CR alone). Blanks and tabs
// around a field are ignored and enclosing double quotes removed; a comma inside
// them is part of the field, a line end is not, so an unclosed quote spoils only
// its own field. An empty field reads 0: a blank line, or nothing before a comma
// ("5,,6" is 5, 0, 6). A comma that ends a line adds no field ("5," is 5), and
// neither do blanks after the last line end, so a stray trailing comma or blank
// never invents a spin 0. Numbers are decimal (sign, fraction and exponent
// allowed) and rounded to the nearest whole number, halves to even. A UTF-8
// byte-order mark at the very start is skipped; anything else that is not such a
// number (hex, dates, binary bytes, UTF-16) is unusable. After an unusable field
// the reader stops: Next() gives nothing more, as the load ends there.
//
// Memory: the bytes of the current Feed plus one field of at most kMaxTextBytes.
class ResultsFileReader {
public:
    // Hands over the next bytes of the file; they are copied. Bytes fed after
    // Finish() are ignored.
    void Feed(std::string_view bytes);

    // The end of the file: ends the last field.
    void Finish();

    // The next field of what has been fed, or nothing when more bytes are needed,
    // the file has ended or the reader has stopped at an unusable field.
    std::optional<ResultsField> Next();

    // Takes the spins of what has been fed into out, in order, up to the first unusable
    // field, which it returns; nothing once more bytes are needed or the file has ended.
    // The fields are those Next() gives, without a record made for each spin: the way a
    // long file is read.
    std::optional<ResultsField> TakeSpins(std::vector<std::int8_t>& out);

    // True once Next() has returned an unusable field.
    bool Stopped() const { return stopped_; }

private:
    void TakePlainRecords(std::vector<std::int8_t>& out);
    std::optional<ResultsField> Take(char c);
    std::optional<ResultsField> TakeAfterByteOrderMark(char c);
    std::optional<ResultsField> EndField() const;
    std::optional<ResultsField> Report(ResultsField field);
    void StartField();

    std::string input_;
    std::size_t pos_ = 0;
    bool finishing_ = false;
    bool finished_ = false;
    bool stopped_ = false;

    std::size_t byteOrderMarkSeen_ = 0;  // bytes of a UTF-8 mark matched at the start
    bool pastStart_ = false;
    bool afterCarriageReturn_ = false;

    std::int64_t line_ = 1;
    std::int64_t field_ = 1;
    bool lineEndedByComma_ = false;  // the last field on this line ended at a comma

    // The current field, after its leading blanks. Later blanks are held back
    // until something follows them, so trailing blanks never count against the
    // field's length.
    std::string text_;
    std::string heldBlanks_;
    bool quoted_ = false;
    bool quoteClosed_ = false;
    std::size_t closingQuoteAt_ = 0;
};

}  // namespace orvanta
