// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator tab in the real window: the keyboard focus after a line, and the
// heaviest lines the calculator allows, which must never leave the window deaf.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "ui/MainWindow.h"
#include "ui/calc/CalculatorPanel.h"
#include "ui/calc/OutputLines.h"

#include "support/EventGaps.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

// How long the window may go without handling an event while a line runs.
constexpr qint64 kLongestGapMs = 5000 * testing::kSlowdown;

class CalculatorTabTest : public testing::WindowTest {
protected:
    const CalculatorPanel& panel_ = window_.calculatorPanel();
    QLineEdit* input_ = panel_.input();

    void SetUp() override {
        find<QTabWidget>("SSTab1")->setCurrentWidget(window_.page(TabPage::Calculator));
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    void Type(const QString& line) {
        input_->setFocus();
        input_->selectAll();
        QTest::keyClicks(input_, line);
    }
    std::string LastShown() const {
        const OutputLines& lines = panel_.outputLines();
        return lines.lineText(lines.rowCount() - 1).toStdString();
    }
};

TEST_F(CalculatorTabTest, TheFocusReturnsToTheExpressionAfterAClickOnEvaluate) {
    Type("2+3");
    QTest::mouseClick(panel_.evaluateButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), input_);
    // What is typed next goes into the box, in place of the line, and Space does not
    // evaluate again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(panel_.outputLines().itemCount(), 2);
    EXPECT_EQ(input_->text(), " ");
}

// The longest loop allowed: evaluating it and showing its million lines leave the
// window free, and the last line is there to be read.
TEST_F(CalculatorTabTest, AMillionLineResultKeepsTheWindowResponsive) {
    Type("for i = 1 to 1000000 : i");
    testing::EventGaps gaps;
    QTest::keyClick(input_, Qt::Key_Return);
    ASSERT_TRUE(gaps.RunUntil([&] { return !panel_.isEvaluating(); }, 120'000));
    QApplication::processEvents();
    window_.repaint();
    EXPECT_LT(gaps.longestMs(), kLongestGapMs);
    EXPECT_EQ(panel_.outputLines().rowCount(), 1 + 1'000'000);
    EXPECT_EQ(LastShown(), "1000000");
    EXPECT_EQ(QApplication::focusWidget(), input_);
    EXPECT_EQ(input_->selectedText(), "for i = 1 to 1000000 : i") << "ready to be typed over";
}

// A body of 247 tokens at the pass limit takes many seconds: it runs in the
// background, says so, and Esc abandons it with the variables as they were.
TEST_F(CalculatorTabTest, ALongLineRunsInTheBackgroundAndEscAbandonsIt) {
    Type("x = 5");
    QTest::keyClick(input_, Qt::Key_Return);
    QString body = "x = i";
    while (body.count(' ') < 244) {
        body += " + i";
    }
    Type("for i = 1 to 1000000 : " + body);
    testing::EventGaps gaps;
    QTest::keyClick(input_, Qt::Key_Return);
    gaps.RunUntil([] { return false; }, 500);
    ASSERT_TRUE(panel_.isEvaluating()) << "the line ended too soon to be abandoned";
    EXPECT_FALSE(input_->isEnabled());
    EXPECT_TRUE(find<QLabel>("lblEvaluating")->isVisible());
    EXPECT_TRUE(panel_.stopButton()->isVisible());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_TRUE(gaps.RunUntil([&] { return !panel_.isEvaluating(); }, 5'000));
    EXPECT_LT(gaps.longestMs(), kLongestGapMs);
    EXPECT_EQ(panel_.calculator().GetVariable("x"), "5");
    EXPECT_EQ(panel_.calculator().GetVariable("i"), "") << "no pass of the loop was kept";
    EXPECT_EQ(LastShown(), CalculatorPanel::kStoppedText);
    EXPECT_TRUE(input_->isEnabled());
    EXPECT_FALSE(panel_.stopButton()->isVisible());

    Type("x + 1");
    QTest::keyClick(input_, Qt::Key_Return);
    EXPECT_EQ(LastShown(), "6");
}

}  // namespace
}  // namespace orvanta
