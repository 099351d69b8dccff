// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/Category.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(Category, ColumnsReadTheMatchingCodeOfANumber) {
    const NumberTable table = BuildNumberTable();
    const char* const expected34[] = {"34", "R", "E", "H", "3", "12", "1", "6"};
    for (int column = 1; column <= kCategoryCount; ++column) {
        EXPECT_EQ(kCategories[column - 1].Column, column);
        EXPECT_EQ(CodeOf(table[34], column), expected34[column - 1]) << kCategories[column - 1].Name;
        EXPECT_EQ(CodeOf(table[0], column), column == 1 ? "0" : "-");
    }
    EXPECT_EQ(CodeOf(table[34], 0), "");
    EXPECT_EQ(CodeOf(table[34], 9), "");
}

TEST(Category, FoundByItsExactName) {
    struct Row {
        const char* name;
        int column;
    };
    for (const Row row : {Row{"Number", 1}, Row{"Color", 2}, Row{"Even / Odd", 3}, Row{"High / Low", 4},
                          Row{"n 12", 5}, Row{"Row", 6}, Row{"Column", 7}, Row{"n 6", 8}}) {
        const Category* category = FindCategory(row.name);
        ASSERT_NE(category, nullptr) << row.name;
        EXPECT_EQ(category->Column, row.column);
    }
    EXPECT_EQ(FindCategory("color"), nullptr);
    EXPECT_EQ(FindCategory("Color "), nullptr);
    EXPECT_EQ(FindCategory(""), nullptr);
}

}  // namespace
}  // namespace orvanta
