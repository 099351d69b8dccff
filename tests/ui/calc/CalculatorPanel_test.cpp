// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/CalculatorPanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/widgets/FlexGrid.h"

#include "support/GridReading.h"

namespace orvanta {
namespace {

using testing::RowTexts;
using Texts = std::vector<std::string>;

class CalculatorPanelTest : public ::testing::Test {
protected:
    QWidget page_;
    CalculatorPanel panel_{&page_};

    void SetUp() override { panel_.InitCalculator(); }

    // Types a line as a user does and presses Enter.
    void Enter(const QString& line) {
        panel_.input()->clear();
        QTest::keyClicks(panel_.input(), line);
        QTest::keyClick(panel_.input(), Qt::Key_Return);
    }
    Texts Output() const {
        Texts items;
        for (int i = 0; i < panel_.output()->count(); ++i) {
            items.push_back(panel_.output()->item(i)->data(Qt::UserRole).isValid()
                                ? panel_.output()->item(i)->data(Qt::UserRole).toString().toStdString()
                                : panel_.output()->item(i)->text().toStdString());
        }
        return items;
    }
    Texts Row(int row) const { return RowTexts(panel_.grid(), row); }
};

TEST_F(CalculatorPanelTest, StartsWithAnsInRowOne) {
    EXPECT_EQ(Row(0), (Texts{"", "Identifier", "Value"}));
    EXPECT_EQ(Row(1), (Texts{"1", "Ans", ""}));
    EXPECT_EQ(Row(2), (Texts{"2", "", ""}));
    EXPECT_EQ(Row(3), (Texts{"", "", ""}));
    EXPECT_EQ(panel_.grid()->rowCount(), 256);
    EXPECT_EQ(panel_.grid()->currentIndex().row(), 1);
}

TEST_F(CalculatorPanelTest, EvaluatingAnsAtStartGivesAnEmptyItem) {
    Enter("Ans");
    EXPECT_EQ(Output(), (Texts{"Ans", ""}));
    EXPECT_EQ(Row(1), (Texts{"1", "Ans", ""}));
}

TEST_F(CalculatorPanelTest, EnterEvaluatesAndKeepsTheLine) {
    Enter("2+3");
    EXPECT_EQ(Output(), (Texts{"2+3", "5"}));
    EXPECT_EQ(Row(1), (Texts{"1", "Ans", "5"}));
    EXPECT_EQ(panel_.input()->text(), "2+3");

    QTest::mouseClick(panel_.evaluateButton(), Qt::LeftButton);
    EXPECT_EQ(Output(), (Texts{"2+3", "5", "2+3", "5"}));
}

TEST_F(CalculatorPanelTest, VariablesFillRowsInOrderAndKeepTheirSlot) {
    Enter("x = 4");
    EXPECT_EQ(Output(), (Texts{"x = 4", "4"}));
    EXPECT_EQ(Row(2), (Texts{"2", "x", "4"}));
    EXPECT_EQ(Row(3), (Texts{"3", "", ""}));

    Enter("X = 5");
    EXPECT_EQ(Row(2), (Texts{"2", "X", "5"}));
    EXPECT_EQ(Row(3), (Texts{"3", "", ""}));

    Enter("x");
    EXPECT_EQ(Output().back(), "");
    EXPECT_EQ(Row(1), (Texts{"1", "Ans", ""}));
}

TEST_F(CalculatorPanelTest, ALoopIsOneItemOfSeveralLines) {
    Enter("for i = 1 to 3 : i*2");
    ASSERT_EQ(panel_.output()->count(), 2);
    EXPECT_EQ(Output()[1], "2\r\n4\r\n6");
    EXPECT_EQ(panel_.output()->item(1)->text(), "2\n4\n6");
}

TEST_F(CalculatorPanelTest, FailuresAreItemsOfTheList) {
    Enter("1/0");
    Enter("asin(2)");
    EXPECT_EQ(Output(), (Texts{"1/0", "Error", "asin(2)", "Error: ASin() value out of range"}));
}

TEST_F(CalculatorPanelTest, RemoveDoesNothing) {
    Enter("y = 7");
    QTest::mouseClick(panel_.removeButton(), Qt::LeftButton);
    EXPECT_EQ(Row(2), (Texts{"2", "y", "7"}));
    EXPECT_EQ(panel_.output()->count(), 2);
}

TEST_F(CalculatorPanelTest, AFullTableReplacesSlot254) {
    for (int i = 2; i <= 254; ++i) {
        panel_.input()->setText(QString("v%1 = %1").arg(i));
        QTest::keyClick(panel_.input(), Qt::Key_Enter);
    }
    EXPECT_EQ(Row(254), (Texts{"254", "v254", "254"}));
    Enter("extra = 1");
    EXPECT_EQ(Row(254), (Texts{"254", "extra", "1"}));
    EXPECT_EQ(Row(255), (Texts{"255", "", ""}));
}

}  // namespace
}  // namespace orvanta
