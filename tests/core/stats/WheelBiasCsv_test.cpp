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
    const WheelBiasReport report = ComputeWheelBias(test::HistoryWithCounts(counts));
    const std::vector<double> arcP(7, 0.25);
    const std::vector<std::string> lines =
        Lines(WheelBiasCsv(report, "The last 1,000 spins: 1,000 spins", arcP));

    ASSERT_EQ(lines.size(), 3u + 38 + 1 + 8 + 1 + 1 + 37 + 1 + 2 + 1 + 8);
    EXPECT_EQ(lines[0], "Wheel bias,\"The last 1,000 spins: 1,000 spins\"");
    EXPECT_EQ(lines[1], "Spins,1000");
    EXPECT_EQ(lines[3], "Number,Count,Expected,z,Gap,Chance of gap");
    EXPECT_EQ(Fields(lines[4]).size(), 6u);
    EXPECT_EQ(Fields(lines[4])[0], "0");
    EXPECT_EQ(Fields(lines[5])[0], "32");  // wheel order
    EXPECT_EQ(lines[42], "Test,Chi-square,Degrees of freedom,p-value,Reliable");
    EXPECT_EQ(Fields(lines[43])[0], "All 37 numbers");
    EXPECT_EQ(Fields(lines[43])[4], "yes");
    EXPECT_EQ(lines[51], "Test,Value,Observed,Expected");
    EXPECT_EQ(lines[52].rfind("Color,0,26,27.027", 0), 0u);

    const std::vector<std::string> hot = Fields(lines[91]);
    EXPECT_EQ(lines[90], "Hottest number,Count,Expected,z,p-value,\"p-value, best of 37\"");
    ASSERT_EQ(hot.size(), 6u);
    EXPECT_EQ(hot[0], "17");
    EXPECT_EQ(hot[1], "48");
    EXPECT_NEAR(std::stod(hot[3]), 4.090, 0.001);
    EXPECT_NEAR(std::stod(hot[4]), 0.000136, 0.000001);
    EXPECT_NEAR(std::stod(hot[5]), 0.00501, 0.00001);
    EXPECT_EQ(lines[93], "Arc length,Pockets,Count,Expected,z,\"p-value, any arc\"");
    EXPECT_EQ(Fields(lines[94]).back(), "0.25");
}

TEST(WheelBiasCsv, NoSpinsWriteNoPValues) {
    const std::vector<std::string> lines =
        Lines(WheelBiasCsv(ComputeWheelBias({}), "The whole history: 0 spins", {}));
    EXPECT_EQ(lines.size(), 3u + 38 + 1 + 8 + 1 + 1 + 37);
    EXPECT_EQ(lines[4], "0,0,0,,,");
    EXPECT_EQ(lines[43], "All 37 numbers,0,36,,no");
}

}  // namespace
}  // namespace orvanta
