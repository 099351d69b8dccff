// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/CalculatorPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "ui/calc/OutputLines.h"
#include "ui/calc/OutputListView.h"
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
    // The items of the output list, as added (a loop's lines joined by CR LF).
    Texts Output() const {
        Texts items;
        for (int i = 0; i < panel_.outputLines().itemCount(); ++i) {
            items.push_back(panel_.outputLines().itemText(i).toStdString());
        }
        return items;
    }
    // The rows of the list on screen, one a line.
    Texts Shown() const {
        Texts rows;
        for (int row = 0; row < panel_.outputLines().rowCount(); ++row) {
            rows.push_back(panel_.outputLines().lineText(row).toStdString());
        }
        return rows;
    }
    void ClickGridRow(int row) {
        FlexGrid* grid = panel_.grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 1)).center());
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
    ASSERT_EQ(Output().size(), 2);
    EXPECT_EQ(Output()[1], "2\r\n4\r\n6");
    EXPECT_EQ(Shown(), (Texts{"for i = 1 to 3 : i*2", "2", "4", "6"}));
}

// Rows of one line each, scrolled by pixel: the view can bring every line of a
// loop's result into sight.
TEST_F(CalculatorPanelTest, EveryLineOfALoopCanBeScrolledTo) {
    page_.show();
    Enter("for i = 1 to 100 : i");
    OutputListView* view = panel_.output();
    QApplication::processEvents();
    EXPECT_EQ(view->indexAt(QPoint(5, view->viewport()->height() - 3)).row(), 100) << "the newest line shows";
    for (int row = 1; row <= 100; ++row) {
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(index))) << "line " << row;
        EXPECT_EQ(index.data().toString(), QString::number(row));
    }
}

TEST_F(CalculatorPanelTest, SelectedLinesAreCopiedAndClearEmptiesTheList) {
    page_.show();
    Enter("for i = 1 to 5 : i*i");
    OutputListView* view = panel_.output();
    const auto rowCentre = [view](int row) {
        return view->visualRect(view->model()->index(row, 0)).center();
    };
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(4));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(0));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "for i = 1 to 5 : i*i\n4\n9\n16");

    view->findChild<QAction*>("actClearOutput")->trigger();
    EXPECT_EQ(panel_.outputLines().rowCount(), 0);
    Enter("2+3");
    EXPECT_EQ(Output(), (Texts{"2+3", "5"}));
}

// The line stays, all selected: typing starts the next line, while End (or an
// arrow key) goes back to editing this one.
TEST_F(CalculatorPanelTest, TypingAfterEnterReplacesTheLineAndEndKeepsIt) {
    QLineEdit* input = panel_.input();
    QTest::keyClicks(input, "x = 2");
    QTest::keyClick(input, Qt::Key_Return);
    QTest::keyClicks(input, "for i = 1 to 2 : i*x");
    EXPECT_EQ(input->text(), "for i = 1 to 2 : i*x");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(Output().back(), "2\r\n4");

    QTest::keyClick(input, Qt::Key_End);
    QTest::keyClicks(input, "+1");
    QTest::keyClick(input, Qt::Key_Left);
    QTest::keyClick(input, Qt::Key_Backspace);
    EXPECT_EQ(input->text(), "for i = 1 to 2 : i*x1");
}

// Failures are items of the list as they always were; beside them the page and the
// signal say why, until the next line.
TEST_F(CalculatorPanelTest, AFailedLineSaysWhy) {
    QSignalSpy explained(&panel_, &CalculatorPanel::errorExplained);
    const auto* note = page_.findChild<QLabel*>("lblEvaluating");
    page_.show();
    Enter("1/0");
    Enter("asin(2)");
    EXPECT_EQ(Output(), (Texts{"1/0", "Error", "asin(2)", "Error: ASin() value out of range"}));
    EXPECT_EQ(explained.count(), 2);
    EXPECT_EQ(explained.at(1).at(0).toString(), "Error: ASin() value out of range");

    QTest::keyClicks(panel_.input(), "x = 2for i = 1 to 3 : i");
    QTest::keyClick(panel_.input(), Qt::Key_Return);
    EXPECT_EQ(Output().back(), "Error");
    EXPECT_EQ(explained.last().at(0).toString(), "Error: '2for' is no number or name");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->toolTip(), "Error: '2for' is no number or name");
    EXPECT_TRUE(note->text().startsWith("Error: '2for'"));

    Enter("2+3");
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(explained.count(), 3);
}

TEST_F(CalculatorPanelTest, RemoveTakesThePickedVariableAndClosesTheGap) {
    page_.show();
    Enter("x = 1");
    Enter("y = 2");
    Enter("z = 3");
    ClickGridRow(3);
    QTest::mouseClick(panel_.removeButton(), Qt::LeftButton);
    EXPECT_EQ(Row(2), (Texts{"2", "x", "1"}));
    EXPECT_EQ(Row(3), (Texts{"3", "z", "3"}));
    EXPECT_EQ(Row(4), (Texts{"4", "", ""}));
    EXPECT_EQ(Row(5), (Texts{"", "", ""})) << "the row the table no longer reaches is blank";
    EXPECT_EQ(panel_.calculator().GetVariable("y"), "");

    ClickGridRow(1);
    EXPECT_FALSE(panel_.removeButton()->isEnabled());
    QTest::mouseClick(panel_.removeButton(), Qt::LeftButton);
    EXPECT_EQ(Row(1), (Texts{"1", "Ans", ""})) << "Ans stays in row 1";
    EXPECT_EQ(Output().size(), 6) << "the output is not touched";
}

// Closing the program while a long line runs stops the line; nothing waits for it.
TEST(CalculatorPanelLifetime, APageClosedWhileALineRunsStopsTheLine) {
    auto page = std::make_unique<QWidget>();
    auto* panel = new CalculatorPanel(page.get());
    panel->input()->setText("for i = 1 to 1000000 : i + i + i + i + i + i + i + i + i + i + i + i + i + i");
    QTest::keyClick(panel->input(), Qt::Key_Return);
    ASSERT_TRUE(panel->isEvaluating());
    QElapsedTimer clock;
    clock.start();
    page.reset();
    EXPECT_LT(clock.elapsed(), 1000);
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
