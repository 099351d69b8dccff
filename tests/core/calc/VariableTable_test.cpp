// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/VariableTable.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

TEST(VariableTable, NameNeverStoredReadsAsEmptyText) {
    VariableTable table;
    EXPECT_EQ(table.GetVariable("x"), "");
    EXPECT_EQ(table.GetVariable(""), "");
}

TEST(VariableTable, StoringIgnoresCaseAndTheLatestSpellingWins) {
    VariableTable table;
    table.SetVariable("x", "1");
    table.SetVariable("X", "2");
    EXPECT_EQ(table.Slot(1).Name, "X");
    EXPECT_EQ(table.Slot(1).Value, "2");
    EXPECT_EQ(table.Slot(2).Name, "");
    EXPECT_EQ(table.GetVariable("x"), "") << "lookup is exact";
    EXPECT_EQ(table.GetVariable("X"), "2");
}

TEST(VariableTable, NamesKeepTheirSlotsInOrderOfFirstStore) {
    VariableTable table;
    table.SetSlotName(1, "Ans");
    table.SetVariable("a", "1");
    table.SetVariable("b", "1e3");
    table.SetVariable("A", "");
    table.SetVariable("Ans", "5");
    EXPECT_EQ(table.Slot(1).Name, "Ans");
    EXPECT_EQ(table.Slot(1).Value, "5");
    EXPECT_EQ(table.Slot(2).Name, "A");
    EXPECT_EQ(table.Slot(2).Value, "");
    EXPECT_EQ(table.Slot(3).Name, "b");
    EXPECT_EQ(table.Slot(3).Value, "1e3") << "values are kept as given";
    EXPECT_EQ(table.Slot(4).Name, "");
}

TEST(VariableTable, AFullTableReplacesSlot254AndNeverFills255) {
    VariableTable table;
    table.SetSlotName(1, "Ans");
    for (int i = 2; i <= 254; ++i) {
        table.SetVariable(std::string("v").append(std::to_string(i)), std::to_string(i));
    }
    EXPECT_EQ(table.Slot(254).Name, "v254");

    table.SetVariable("extra", "1");
    EXPECT_EQ(table.Slot(254).Name, "extra");
    EXPECT_EQ(table.Slot(254).Value, "1");
    EXPECT_EQ(table.GetVariable("v254"), "");
    EXPECT_EQ(table.Slot(255).Name, "");

    table.SetVariable("more", "2");
    EXPECT_EQ(table.Slot(254).Name, "more");
    EXPECT_EQ(table.Slot(255).Name, "");
    EXPECT_EQ(table.GetVariable("v253"), "253") << "the others stay";
    table.SetVariable("V100", "x");
    EXPECT_EQ(table.Slot(100).Name, "V100") << "an update still finds its slot";
}

TEST(VariableTable, RemovingFromAFullTableMovesEveryLaterSlotUp) {
    VariableTable table;
    for (int i = 1; i <= 254; ++i) {
        table.SetVariable(std::string("v").append(std::to_string(i)), std::to_string(i));
    }
    EXPECT_TRUE(table.RemoveSlot(1));
    EXPECT_EQ(table.Slot(1).Name, "v2");
    EXPECT_EQ(table.Slot(253).Name, "v254");
    EXPECT_EQ(table.Slot(254).Name, "");
    EXPECT_FALSE(table.RemoveSlot(254)) << "now free";
    EXPECT_FALSE(table.RemoveSlot(0));
    EXPECT_FALSE(table.RemoveSlot(256));
    table.SetVariable("new", "1");
    EXPECT_EQ(table.Slot(254).Name, "new");
}

TEST(VariableTable, SlotsOutsideTheTableReadAsEmpty) {
    VariableTable table;
    table.SetVariable("x", "1");
    EXPECT_EQ(table.Slot(0).Name, "");
    EXPECT_EQ(table.Slot(-1).Name, "");
    EXPECT_EQ(table.Slot(256).Name, "");
    table.SetSlotName(256, "y");
    EXPECT_EQ(table.GetVariable("y"), "");
}

}  // namespace
}  // namespace orvanta
