// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/calc/EvaluationAborted.h"

namespace orvanta {
namespace {

struct FormatRow {
    double value;
    std::string text;
};

void PrintTo(const FormatRow& row, std::ostream* out) {
    *out << row.text;
}

class FormatNumberRow : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumberRow, WritesTheCalculatorForm) {
    EXPECT_EQ(FormatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Documented, FormatNumberRow,
                         ::testing::Values(FormatRow{0.5, ".5"}, FormatRow{-0.25, "-.25"},
                                           FormatRow{1.0 / 3.0, ".333333333333333"},
                                           FormatRow{2.0 / 3.0, ".666666666666667"},
                                           FormatRow{0.1 + 0.2, ".3"}, FormatRow{0.0001, ".0001"},
                                           FormatRow{0.00001, "1E-05"}, FormatRow{1.5e-7, "1.5E-07"},
                                           FormatRow{1e15, "1E+15"}));

INSTANTIATE_TEST_SUITE_P(
    Edges, FormatNumberRow,
    ::testing::Values(FormatRow{0.0, "0"}, FormatRow{-0.0, "0"}, FormatRow{1.0, "1"}, FormatRow{-7.0, "-7"},
                      FormatRow{2.5, "2.5"}, FormatRow{100.0, "100"}, FormatRow{1000000.0, "1000000"},
                      FormatRow{123.456, "123.456"}, FormatRow{0.00012345, ".00012345"},
                      FormatRow{-0.00001, "-1E-05"},
                      // All integer digits below 10^15, rounded to 15 digits above.
                      FormatRow{123456789012345.0, "123456789012345"},
                      FormatRow{99999999999999.9, "99999999999999.9"}, FormatRow{999999999999999.9, "1E+15"},
                      FormatRow{1234567890123456789.0, "1.23456789012346E+18"},
                      FormatRow{0.99999999999999989, "1"}, FormatRow{0.000099999999999999999, ".0001"},
                      FormatRow{1e100, "1E+100"}, FormatRow{-1e-300, "-1E-300"},
                      FormatRow{std::numeric_limits<double>::max(), "1.79769313486232E+308"},
                      FormatRow{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

TEST(FormatNumber, RefusesValuesThatAreNotFinite) {
    EXPECT_THROW(FormatNumber(std::numeric_limits<double>::infinity()), EvaluationAborted);
    EXPECT_THROW(FormatNumber(-std::numeric_limits<double>::infinity()), EvaluationAborted);
    EXPECT_THROW(FormatNumber(std::nan("")), EvaluationAborted);
}

struct ParseRow {
    std::string text;
    double value;
};

void PrintTo(const ParseRow& row, std::ostream* out) {
    *out << '"' << row.text << '"';
}

class ParseNumberRow : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberRow, ReadsTheValue) {
    EXPECT_DOUBLE_EQ(ParseNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Accepted, ParseNumberRow,
                         ::testing::Values(ParseRow{"0", 0.0}, ParseRow{"0.5", 0.5}, ParseRow{".5", 0.5},
                                           ParseRow{"5.", 5.0}, ParseRow{"-.25", -0.25}, ParseRow{"+3", 3.0},
                                           ParseRow{"  12  ", 12.0}, ParseRow{"007", 7.0},
                                           ParseRow{"1e3", 1000.0}, ParseRow{"1E-05", 0.00001},
                                           ParseRow{"1.5E+20", 1.5e20}, ParseRow{"-1.5e-7", -1.5e-7},
                                           ParseRow{"2.5E2", 250.0},
                                           ParseRow{"1.7976931348623E+308", 1.7976931348623e308},
                                           // Too small for a double: zero, not a failure.
                                           ParseRow{"1e-400", 0.0}, ParseRow{"-0.000001e-999999999999", 0.0},
                                           ParseRow{"4.94065645841247E-324", 4.94065645841247e-324}));

class ParseNumberRejects : public ::testing::TestWithParam<std::string> {};

TEST_P(ParseNumberRejects, Aborts) {
    EXPECT_THROW(ParseNumber(GetParam()), EvaluationAborted);
}

INSTANTIATE_TEST_SUITE_P(Rejected, ParseNumberRejects,
                         ::testing::Values("", " ", ".", "-", "+", "1e", "1e+", "e5", "2x", "1,5", "1 000",
                                           "1.2.3", "--1", "+-1", "inf", "nan", "infinity", "0x10", "1d5",
                                           "\t1", "1\t", "$5", "1e400", "-1e400",
                                           // The largest double rounded up to 15 digits lies beyond it.
                                           "1.79769313486232E+308", "1e99999999999999999999",
                                           "100000000000000000000000000000000000000e300"));

TEST(NumberText, EveryWrittenFormReadsBack) {
    for (const double value : {0.5, -0.25, 1.0 / 3.0, 1e15, 1.5e-7, 123.456, -98765.4321, 6.02214076e23}) {
        const std::string text = FormatNumber(value);
        EXPECT_NEAR(ParseNumber(text), value, std::fabs(value) * 1e-14) << text;
        EXPECT_EQ(FormatNumber(ParseNumber(text)), text);
    }
}

}  // namespace
}  // namespace orvanta
