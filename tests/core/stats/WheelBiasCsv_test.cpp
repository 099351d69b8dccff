// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/WheelBiasCsv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "StatsHistories.h"

namespace orvanta {
namespace {

// The file's lines, CR LF stripped; the title's quoted field is left whole.
std::vector<std::string> Lines(const std::string& csv) {
    std::vector<std::string> lines;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.back(), '\r') << line;
        line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    return fields;
}

// 1,000 spins with 48 on 17: z 4.090, p 0.000136 and 0.00501 corrected, worked out
// independently in WheelBias_test.
TEST(WheelBiasCsv, TableAndTestsInBlocks) {
    std::array<int, 37> counts;
    counts.fill(26);
    std::fill(counts.begin() + 1, counts.begin() + 17, 27);
    counts[17] = 48;
    const auto history = test::HistoryWithCounts(counts);
    const WheelBiasReport report = ComputeWheelBias(history);
    VerdictFindings findings;
    findings.histories = 10'000;
    findings.globalPValue = 0.03;
    findings.testPValues.fill(0.5);
    findings.arcPValues.assign(7, 0.25);
    const std::vector<std::string> lines =
        Lines(WheelBiasCsv(report, "The last 1,000 spins: 1,000 spins", &findings, ComputeEvidence(history)));

    // Title, numbers, tests, cells, hottest number, arcs, verdict, evidence.
    ASSERT_EQ(lines.size(), 3u + 38 + 1 + 10 + 1 + 44 + 1 + 2 + 1 + 8 + 1 + 13 + 1 + 6);
    EXPECT_EQ(lines[0], "Wheel bias,\"The last 1,000 spins: 1,000 spins\"");
    EXPECT_EQ(lines[1], "Spins,1000");
    EXPECT_EQ(lines[3], "Number,Count,Expected,z,Gap,Chance of gap");
    EXPECT_EQ(Fields(lines[4]).size(), 6u);
    EXPECT_EQ(Fields(lines[4])[0], "0");
    EXPECT_EQ(Fields(lines[5])[0], "32");  // wheel order
    EXPECT_EQ(lines[42], "Test,Chi-square,Degrees of freedom,p-value,Reliable");
    EXPECT_EQ(Fields(lines[43])[0], "All 37 numbers");
    EXPECT_EQ(Fields(lines[43])[4], "yes");
    EXPECT_EQ(Fields(lines[45])[0], "High/Low");
    EXPECT_EQ(lines[53], "Test,Value,Observed,Expected");
    EXPECT_EQ(lines[54].rfind("Color,0,26,27.027", 0), 0u);
    EXPECT_EQ(lines[59].rfind("High/Low,H,", 0), 0u);

    const std::vector<std::string> hot = Fields(lines[99]);
    EXPECT_EQ(lines[98], "Hottest number,Count,Expected,z,p-value,\"p-value, best of 37\"");
    ASSERT_EQ(hot.size(), 6u);
    EXPECT_EQ(hot[0], "17");
    EXPECT_EQ(hot[1], "48");
    EXPECT_NEAR(std::stod(hot[3]), 4.090, 0.001);
    EXPECT_NEAR(std::stod(hot[4]), 0.000136, 0.000001);
    EXPECT_NEAR(std::stod(hot[5]), 0.00501, 0.00001);
    EXPECT_EQ(lines[101], "Arc length,Pockets,Count,Expected,z,\"p-value, any arc\"");
    EXPECT_EQ(Fields(lines[102]).back(), "0.25");
    EXPECT_EQ(lines[111], "All the tests together,0.03,10000");
    EXPECT_EQ(lines[113], "the hottest number,0.5,");
    EXPECT_EQ(lines[124], "Evidence against a fair wheel,Spins,e-value,Carried most by");
    EXPECT_EQ(Fields(lines[126]).back(), "17");
}

TEST(WheelBiasCsv, NoSpinsWriteNoPValues) {
    const std::vector<std::string> lines =
        Lines(WheelBiasCsv(ComputeWheelBias({}), "The whole history: 0 spins", nullptr, ComputeEvidence({})));
    EXPECT_EQ(lines.size(), 3u + 38 + 1 + 10 + 1 + 44 + 1 + 6);
    EXPECT_EQ(lines[4], "0,0,0,,,");
    EXPECT_EQ(lines[43], "All 37 numbers,0,36,,no");
    EXPECT_EQ(lines.back(), "the classifications,0,1,");
}

}  // namespace
}  // namespace orvanta
