// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/ResultsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using Kind = ResultsField::Kind;

// What a whole load sees: the spins in order and the field it stopped at.
struct Outcome {
    std::vector<int> spins;
    std::optional<ResultsField> stop;

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << "spins {";
    for (int n : outcome.spins) {
        *out << ' ' << n;
    }
    *out << " }";
    if (outcome.stop) {
        *out << ", stopped at " << DescribeUnusableField(*outcome.stop) << " (kind "
             << static_cast<int>(outcome.stop->kind) << ")";
    }
}

void Drain(ResultsFileReader& reader, Outcome& outcome) {
    while (auto field = reader.Next()) {
        ASSERT_FALSE(outcome.stop) << "a field came after the stop";
        if (field->IsSpin()) {
            outcome.spins.push_back(field->number);
        } else {
            outcome.stop = field;
        }
    }
}

// Reads bytes fed in pieces that end at the given positions.
Outcome ReadSplitAt(std::string_view bytes, const std::vector<std::size_t>& cuts) {
    ResultsFileReader reader;
    Outcome outcome;
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        reader.Feed(bytes.substr(from, cut - from));
        Drain(reader, outcome);
        from = cut;
    }
    reader.Feed(bytes.substr(from));
    Drain(reader, outcome);
    reader.Finish();
    Drain(reader, outcome);
    return outcome;
}

Outcome ReadInChunks(std::string_view bytes, std::size_t chunk) {
    std::vector<std::size_t> cuts;
    for (std::size_t at = chunk; at < bytes.size(); at += chunk) {
        cuts.push_back(at);
    }
    return ReadSplitAt(bytes, cuts);
}

// The same, the way a load reads: every spin at once into a vector.
Outcome TakeSplitAt(std::string_view bytes, const std::vector<std::size_t>& cuts) {
    ResultsFileReader reader;
    Outcome outcome;
    std::vector<std::int8_t> spins;
    const auto take = [&] {
        if (!outcome.stop) {
            outcome.stop = reader.TakeSpins(spins);
        }
    };
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        reader.Feed(bytes.substr(from, cut - from));
        take();
        from = cut;
    }
    reader.Feed(bytes.substr(from));
    take();
    reader.Finish();
    take();
    outcome.spins.assign(spins.begin(), spins.end());
    return outcome;
}

Outcome Spins(std::vector<int> spins) {
    return Outcome{std::move(spins), std::nullopt};
}

// Joins texts without "literal" + std::string, which g++ 12 warns about wrongly.
std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) {
        joined += part;
    }
    return joined;
}

ResultsField Stop(std::int64_t line, std::int64_t field, Kind kind, std::string text) {
    ResultsField stop;
    stop.kind = kind;
    stop.line = line;
    stop.field = field;
    stop.text = std::move(text);
    return stop;
}

struct ReadRow {
    std::string name;
    std::string bytes;
    Outcome expected;
};

void PrintTo(const ReadRow& row, std::ostream* out) {
    *out << row.name;
}

class ReadResultsFile : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadResultsFile, InOnePiece) {
    EXPECT_EQ(ReadSplitAt(GetParam().bytes, {}), GetParam().expected);
}

// A file arrives in chunks whose ends fall anywhere, inside a field, between
// CR and LF or inside a byte-order mark; the result must not depend on them.
TEST_P(ReadResultsFile, InChunksOfEverySize) {
    const std::string& bytes = GetParam().bytes;
    for (std::size_t chunk = 1; chunk < bytes.size(); ++chunk) {
        EXPECT_EQ(ReadInChunks(bytes, chunk), GetParam().expected) << "chunks of " << chunk;
    }
}

TEST_P(ReadResultsFile, TakenAsSpinsInChunksOfEverySize) {
    const std::string& bytes = GetParam().bytes;
    for (std::size_t chunk = 1; chunk <= bytes.size() + 1; ++chunk) {
        std::vector<std::size_t> cuts;
        for (std::size_t at = chunk; at < bytes.size(); at += chunk) {
            cuts.push_back(at);
        }
        EXPECT_EQ(TakeSplitAt(bytes, cuts), GetParam().expected) << "chunks of " << chunk;
    }
}

TEST_P(ReadResultsFile, SplitInTwoAtEveryByte) {
    const std::string& bytes = GetParam().bytes;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        EXPECT_EQ(ReadSplitAt(bytes, {cut}), GetParam().expected) << "cut at " << cut;
    }
}

std::string NameOf(const ::testing::TestParamInfo<ReadRow>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, ReadResultsFile,
    ::testing::Values(ReadRow{"AsWritten", "7 \r\n17\r\n0 \r\n", Spins({7, 17, 0})}, ReadRow{"Empty", "", {}},
                      ReadRow{"EmptyLineReadsZero", "7\r\n\r\n", Spins({7, 0})},
                      ReadRow{"CommasOnOneLine", "5,12,33", Spins({5, 12, 33})},
                      ReadRow{"CarriageReturnsAlone", "7\r17\r0\r", Spins({7, 17, 0})},
                      ReadRow{"LineFeedsAlone", "7\n17\n0\n", Spins({7, 17, 0})},
                      ReadRow{"MixedLineEnds", "1\r\n2\n3\r4", Spins({1, 2, 3, 4})},
                      ReadRow{"LineFeedThenCarriageReturnIsTwoLineEnds", "7\n\r8", Spins({7, 0, 8})},
                      ReadRow{"NoFinalLineEnd", "7\r\n17", Spins({7, 17})},
                      ReadRow{"EmptyBetweenCommasReadsZero", "5,,6", Spins({5, 0, 6})},
                      ReadRow{"EmptyBeforeCommaReadsZero", ",5", Spins({0, 5})},
                      ReadRow{"CommaAtLineEndAddsNothing", "5,\r\n6,  \r\n", Spins({5, 6})},
                      ReadRow{"CommaAtFileEndAddsNothing", "5,", Spins({5})},
                      ReadRow{"LoneCommaLineIsOneZero", ",\r\n", Spins({0})},
                      ReadRow{"BlankLineReadsZero", "7\r\n \t\r\n8", Spins({7, 0, 8})},
                      ReadRow{"BlanksAfterLastLineEndAddNothing", "7\r\n  \t ", Spins({7})},
                      ReadRow{"BlanksAndTabsAround", "\t7\t, \t 8 \r\n 9", Spins({7, 8, 9})},
                      ReadRow{"LongPaddingIsNotText",
                              Cat({std::string(200, ' '), "7", std::string(200, ' '), "\r\n8"}),
                              Spins({7, 8})}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    Quotes, ReadResultsFile,
    ::testing::Values(ReadRow{"Removed", "\"7\"\r\n\"17\",\"0\"", Spins({7, 17, 0})},
                      ReadRow{"BlanksInsideAndOut", " \" 7 \" ,8", Spins({7, 8})},
                      ReadRow{"EmptyReadsZero", "\"\"\r\n", Spins({0})},
                      ReadRow{"Unclosed", "3\r\n\"7\r\n8", {{3}, Stop(2, 1, Kind::NotANumber, "\"7")}},
                      ReadRow{"TextAfterClosing", "\"7\"x", {{}, Stop(1, 1, Kind::NotANumber, "\"7\"x")}},
                      ReadRow{"CommaInside", "\"5,6\",7", {{}, Stop(1, 1, Kind::NotANumber, "5,6")}},
                      ReadRow{"OutOfRangeInside", "\"38\"", {{}, Stop(1, 1, Kind::NotAWheelNumber, "38")}}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadResultsFile,
    ::testing::Values(
        ReadRow{"HalfUpToEven", "7.5", Spins({8})}, ReadRow{"HalfDownToEven", "6.5", Spins({6})},
        ReadRow{"HalvesToEven", "0.5,1.5,2.5,35.5", Spins({0, 2, 2, 36})},
        ReadRow{"AboveAndBelowHalf", "6.51,7.49,6.5000001", Spins({7, 7, 7})},
        ReadRow{"HalfBelowTopRoundsIn", "36.5", Spins({36})},
        ReadRow{"JustAboveTopHalf",
                "36.50000000000000000001",
                {{}, Stop(1, 1, Kind::NotAWheelNumber, "36.50000000000000000001")}},
        ReadRow{"NegativeRoundingToZero", "-0.4,-0.5,-0", Spins({0, 0, 0})},
        ReadRow{"NegativeBelowHalf", "-0.6", {{}, Stop(1, 1, Kind::NotAWheelNumber, "-0.6")}},
        ReadRow{"Thirtyseven", "36\r\n37", {{36}, Stop(2, 1, Kind::NotAWheelNumber, "37")}},
        ReadRow{"MinusOne", "-1", {{}, Stop(1, 1, Kind::NotAWheelNumber, "-1")}},
        ReadRow{"ThreeThirtyeightFour", "3\r\n38\r\n4\r\n", {{3}, Stop(2, 1, Kind::NotAWheelNumber, "38")}},
        ReadRow{"SignsPointsAndZeros", "+7,07,007.0,.5,7.,0.0", Spins({7, 7, 7, 0, 7, 0})},
        ReadRow{"Exponents", "3.6e1,36E-1,0e5,1e-99999", Spins({36, 4, 0, 0})},
        ReadRow{"HugeExponent", "1e99999", {{}, Stop(1, 1, Kind::NotAWheelNumber, "1e99999")}},
        ReadRow{"LongButFine", Cat({std::string(60, '0'), "12"}), Spins({12})},
        ReadRow{"Word", "abc", {{}, Stop(1, 1, Kind::NotANumber, "abc")}},
        ReadRow{"PointAlone", ".", {{}, Stop(1, 1, Kind::NotANumber, ".")}},
        ReadRow{"SignAlone", "-", {{}, Stop(1, 1, Kind::NotANumber, "-")}},
        ReadRow{"ExponentWithoutDigits", "1e", {{}, Stop(1, 1, Kind::NotANumber, "1e")}},
        ReadRow{"Hex", "&H10", {{}, Stop(1, 1, Kind::NotANumber, "&H10")}},
        ReadRow{"CHex", "0x1", {{}, Stop(1, 1, Kind::NotANumber, "0x1")}},
        ReadRow{"Octal", "&O17", {{}, Stop(1, 1, Kind::NotANumber, "&O17")}},
        ReadRow{"HashDate", "#1/1/2000#", {{}, Stop(1, 1, Kind::NotANumber, "#1/1/2000#")}},
        ReadRow{"InnerBlank", "1 2", {{}, Stop(1, 1, Kind::NotANumber, "1 2")}},
        ReadRow{"StopsAtTheFieldNotTheLine", "1,2,x,4\r\n5", {{1, 2}, Stop(1, 3, Kind::NotANumber, "x")}},
        ReadRow{
            "CountsLinesAndFields", "1\r\n2\n3,99", {{1, 2, 3}, Stop(3, 2, Kind::NotAWheelNumber, "99")}}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    Bytes, ReadResultsFile,
    ::testing::Values(
        ReadRow{"Nul", std::string("7\0\r\n", 4), {{}, Stop(1, 1, Kind::NotANumber, std::string("7\0", 2))}},
        ReadRow{"Utf16LittleEndian",
                std::string("\xFF\xFE"
                            "7\0\r\0\n\0",
                            8),
                {{},
                 Stop(1, 1, Kind::NotANumber,
                      std::string("\xFF\xFE"
                                  "7\0",
                                  4))}},
        ReadRow{"Utf16BigEndian",
                std::string("\xFE\xFF\0"
                            "7",
                            4),
                {{},
                 Stop(1, 1, Kind::NotANumber,
                      std::string("\xFE\xFF\0"
                                  "7",
                                  4))}},
        ReadRow{"Utf8MarkAtStartSkipped",
                "\xEF\xBB\xBF"
                "7\r\n8",
                Spins({7, 8})},
        ReadRow{"Utf8MarkAlone", "\xEF\xBB\xBF", {}},
        ReadRow{"Utf8MarkCutShort",
                "\xEF\xBB"
                "7",
                {{},
                 Stop(1, 1, Kind::NotANumber,
                      "\xEF\xBB"
                      "7")}},
        ReadRow{"Utf8MarkCutShortAtEnd", "\xEF\xBB", {{}, Stop(1, 1, Kind::NotANumber, "\xEF\xBB")}},
        ReadRow{"Utf8MarkLater",
                "7\r\n\xEF\xBB\xBF"
                "8",
                {{7},
                 Stop(2, 1, Kind::NotANumber,
                      "\xEF\xBB\xBF"
                      "8")}},
        ReadRow{"ControlCharacter", "7\f", {{}, Stop(1, 1, Kind::NotANumber, "7\f")}},
        ReadRow{"TooLong",
                Cat({"1\r\n", std::string(65, '1')}),
                {{1}, Stop(2, 1, Kind::TooLong, std::string(64, '1'))}},
        ReadRow{"LongestKept",
                std::string(64, '1'),
                {{}, Stop(1, 1, Kind::NotAWheelNumber, std::string(64, '1'))}},
        ReadRow{"InnerBlanksCount",
                Cat({"7", std::string(70, ' '), "x"}),
                {{}, Stop(1, 1, Kind::TooLong, Cat({"7", std::string(63, ' ')}))}}),
    NameOf);

// A line of many megabytes is reported as soon as the field passes its limit,
// long before the line ends.
TEST(ResultsFileReaderTest, EndlessFieldIsReportedAtOnce) {
    ResultsFileReader reader;
    const std::string megabyte(1 << 20, '7');
    reader.Feed(megabyte);
    const std::optional<ResultsField> field = reader.Next();
    ASSERT_TRUE(field);
    EXPECT_EQ(field->kind, Kind::TooLong);
    EXPECT_EQ(field->text.size(), ResultsField::kMaxTextBytes);
    EXPECT_TRUE(reader.Stopped());
    for (int i = 0; i < 10; ++i) {
        reader.Feed(megabyte);
        EXPECT_FALSE(reader.Next());
    }
    reader.Finish();
    EXPECT_FALSE(reader.Next());
}

// Ten million commas end ten million empty fields, each a spin 0; the empty
// field after the last comma is none. Read in 64 KB pieces as a load does.
TEST(ResultsFileReaderTest, TenMillionCommasAreReadPieceByPiece) {
    const std::string commas(10'000'000, ',');
    ResultsFileReader reader;
    std::int64_t fields = 0;
    std::int64_t lastField = 0;
    for (std::size_t at = 0; at < commas.size(); at += 65536) {
        reader.Feed(std::string_view(commas).substr(at, 65536));
        while (auto field = reader.Next()) {
            ASSERT_TRUE(field->IsSpin());
            ASSERT_EQ(field->number, 0);
            ++fields;
            lastField = field->field;
        }
    }
    reader.Finish();
    EXPECT_FALSE(reader.Next());
    EXPECT_EQ(fields, 10'000'000);
    EXPECT_EQ(lastField, 10'000'000);
}

TEST(ResultsFileReaderTest, LastFieldWaitsForTheEndOfTheFile) {
    ResultsFileReader reader;
    reader.Feed("5,1");
    ASSERT_EQ(reader.Next(), (ResultsField{Kind::Spin, 5, 1, 1, ""}));
    EXPECT_FALSE(reader.Next());  // "1" may go on as "12"
    reader.Feed("2");
    EXPECT_FALSE(reader.Next());
    reader.Finish();
    EXPECT_EQ(reader.Next(), (ResultsField{Kind::Spin, 12, 1, 2, ""}));
    EXPECT_FALSE(reader.Next());
    reader.Feed("7\r\n");  // after the end nothing more is read
    EXPECT_FALSE(reader.Next());
}

// Feeding again before the previous bytes are all taken loses nothing.
TEST(ResultsFileReaderTest, FeedingAheadKeepsOrder) {
    ResultsFileReader reader;
    reader.Feed("1,2,");
    ASSERT_TRUE(reader.Next());
    reader.Feed("3\r\n4");
    reader.Finish();
    std::vector<int> spins;
    while (auto field = reader.Next()) {
        spins.push_back(field->number);
    }
    EXPECT_EQ(spins, (std::vector<int>{2, 3, 4}));
}

// Arbitrary bytes, rich in the ones the reader treats specially, never crash it
// and read the same however they are cut.
TEST(ResultsFileReaderTest, RandomBytesReadTheSameInAnyPieces) {
    constexpr std::string_view kAlphabet("0123456789 \t\r\n,\".eE+-x\xEF\xBB\xBF\xFF\0", 27);
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 40)(random), ' ');
        for (char& c : bytes) {
            c = kAlphabet[std::uniform_int_distribution<std::size_t>(0, kAlphabet.size() - 1)(random)];
        }
        const Outcome whole = ReadSplitAt(bytes, {});
        ASSERT_EQ(ReadInChunks(bytes, 1), whole) << "bytes of round " << round;
        const std::size_t cut = std::uniform_int_distribution<std::size_t>(0, bytes.size())(random);
        ASSERT_EQ(ReadSplitAt(bytes, {cut}), whole) << "bytes of round " << round << " cut at " << cut;
        for (int n : whole.spins) {
            ASSERT_TRUE(n >= 0 && n <= 36);
        }
    }
}

// Records near the ones the program writes, and the small differences that the quick
// way of reading must leave to the field by field way, read the same both ways
// however the file is cut.
TEST(ResultsFileReaderTest, RandomRecordsTakenAsSpinsReadAsFieldByField) {
    constexpr std::string_view kPieces[] = {"7 \r\n", "17\r\n", "36\n",  "0\r",         "5 \t\n", "\r\n",
                                            "\n",     "37\r\n", "123\n", "4,",          " 9\n",   "\"8\"\r\n",
                                            "1.5\n",  "x\n",    "3",     "\xEF\xBB\xBF"};
    std::mt19937 random(24);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int count = std::uniform_int_distribution<int>(0, 30)(random);
        for (int i = 0; i < count; ++i) {
            // Mostly plain records, so that runs of them reach the quick way.
            const std::size_t piece = random() % 3 == 0 ? random() % std::size(kPieces) : random() % 3;
            bytes += kPieces[piece];
        }
        const Outcome whole = ReadSplitAt(bytes, {});
        const std::size_t chunk = std::uniform_int_distribution<std::size_t>(1, 9)(random);
        std::vector<std::size_t> cuts;
        for (std::size_t at = chunk; at < bytes.size(); at += chunk) {
            cuts.push_back(at);
        }
        ASSERT_EQ(TakeSplitAt(bytes, cuts), whole) << "round " << round << ", chunks of " << chunk;
    }
}

struct DescribeRow {
    ResultsField field;
    std::string expected;
};

class DescribeField : public ::testing::TestWithParam<DescribeRow> {};

TEST_P(DescribeField, SaysWhereAndWhat) {
    EXPECT_EQ(DescribeUnusableField(GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DescribeField,
                         ::testing::Values(DescribeRow{Stop(2, 1, Kind::NotAWheelNumber, "38"),
                                                       "line 2, field 1: '38' is not a wheel number 0 to 36"},
                                           DescribeRow{Stop(7, 3, Kind::NotANumber, "abc"),
                                                       "line 7, field 3: 'abc' is not a number"},
                                           DescribeRow{Stop(1, 1, Kind::NotANumber,
                                                            std::string("\xFF\xFE"
                                                                        "7\0",
                                                                        4)),
                                                       "line 1, field 1: '\\xFF\\xFE7\\x00' is not a number"},
                                           DescribeRow{Stop(4, 1, Kind::TooLong, std::string(64, '9')),
                                                       Cat({"line 4, field 1: '", std::string(32, '9'),
                                                            "...' is too long to be a wheel number"})}));

class ResultsFileWriterTest : public ::testing::Test {
protected:
    NumberTable table_ = BuildNumberTable();
    SpinModel model_{table_};
};

TEST_F(ResultsFileWriterTest, WritesTwoCharacterRecordsWithCrLf) {
    for (int n : {7, 17, 0}) {
        model_.AddResult(n);
    }
    EXPECT_EQ(ResultsFileBytes(model_), std::string("\x37\x20\x0D\x0A\x31\x37\x0D\x0A\x30\x20\x0D\x0A", 12));
}

TEST_F(ResultsFileWriterTest, EmptyHistoryWritesNothing) {
    EXPECT_EQ(ResultsFileBytes(model_), "");
}

TEST_F(ResultsFileWriterTest, AppendsTheSlotsAskedForAndNoOthers) {
    for (int n : {1, 22, 3, 36}) {
        model_.AddResult(n);
    }
    std::string out = "kept";
    AppendResultsRecords(model_, 2, 3, out);
    EXPECT_EQ(out, "kept22\r\n3 \r\n");
    AppendResultsRecords(model_, -5, 1, out);
    AppendResultsRecords(model_, 4, 99, out);
    AppendResultsRecords(model_, 3, 2, out);
    EXPECT_EQ(out, "kept22\r\n3 \r\n1 \r\n36\r\n");
}

// Whatever the history, writing it in chunks and reading it back in chunks
// of any size gives the same spins.
TEST_F(ResultsFileWriterTest, RandomHistoriesSurviveTheRoundTrip) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> number(0, 36);
    for (int round = 0; round < 50; ++round) {
        model_.ClearResults();
        const int count = std::uniform_int_distribution<int>(0, 2000)(random);
        for (int i = 0; i < count; ++i) {
            model_.AddResult(number(random));
        }
        std::string bytes;
        for (int first = 1; first <= count;) {
            const int last = first + std::uniform_int_distribution<int>(0, 300)(random);
            AppendResultsRecords(model_, first, last, bytes);
            first = last + 1;
        }
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(count) * kResultsRecordBytes);

        const std::size_t chunk = std::uniform_int_distribution<std::size_t>(1, 5000)(random);
        const Outcome outcome = ReadInChunks(bytes, chunk);
        EXPECT_FALSE(outcome.stop);
        EXPECT_TRUE(std::equal(outcome.spins.begin(), outcome.spins.end(), model_.Spins().begin(),
                               model_.Spins().end()))
            << "round " << round << ", chunks of " << chunk;
    }
}

}  // namespace
}  // namespace orvanta
