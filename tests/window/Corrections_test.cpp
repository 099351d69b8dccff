// SPDX-License-Identifier: GPL-3.0-or-later

// Correcting the history by hand: picking a spin in the results grid, "Remove Item",
// "Insert Item" and Edit > Undo / Redo, driven through the real widgets.
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ui/MainWindow.h"

#include "support/GridReading.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::CellText;

class CorrectionsTest : public testing::WindowTest {
protected:
    const QTableView* grid() const { return window_.findChild<QTableView*>("FlexGrid1"); }
    QScrollBar* scroll() const { return window_.findChild<QScrollBar*>("ScrollMain"); }
    QAction* action(const char* name) const { return window_.findChild<QAction*>(name); }
    std::string Status() const { return testing::LatestMessage(window_); }
    std::string Prompt() const { return testing::Prompt(window_); }

    void Click(int n) { QTest::mouseClick(find(QStringLiteral("TableNum_%1").arg(n)), Qt::LeftButton); }
    void Press(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void PickRow(int row) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(grid()->model()->index(row, 2)).center());
    }
    void Type(const char* keys) {
        for (const char* key = keys; *key != '\0'; ++key) {
            QTest::keyClick(find<QPushButton>("cmdInsertResult"), *key);
        }
    }
    // The row drawn as picked: its position cell in the selection colours.
    int MarkedRow() const {
        const QColor highlight = grid()->palette().color(QPalette::Highlight);
        for (int row = 1; row <= 19; ++row) {
            if (grid()->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>() == highlight) {
                return row;
            }
        }
        return 0;
    }
};

TEST_F(CorrectionsTest, RemoveItemTakesOutThePickedSpinAndUndoPutsItBack) {
    Spin({5, 17, 32, 0});
    EXPECT_EQ(MarkedRow(), 1) << "with nothing picked the newest is";
    PickRow(3);  // spin 2, the 17
    EXPECT_EQ(MarkedRow(), 3);
    Press("cmdRemoveItem");
    EXPECT_EQ(Spins(), (std::vector{5, 32, 0}));
    EXPECT_EQ(CellText(grid(), 2, 1), " 32");
    EXPECT_EQ(action("mnu_Undo")->text(), "&Undo Remove 17");
    ExpectViewsAgreeWithTheHistory();

    action("mnu_Undo")->trigger();
    EXPECT_EQ(Spins(), (std::vector{5, 17, 32, 0}));
    action("mnu_Redo")->trigger();
    EXPECT_EQ(Spins(), (std::vector{5, 32, 0}));
    ExpectViewsAgreeWithTheHistory();
}

// A spin recorded after a pick moves the pick to it: "Remove Item" never hits the old
// spin picked before the new ones came.
TEST_F(CorrectionsTest, ANewSpinMovesThePickToTheNewest) {
    Spin({5, 17, 32});
    PickRow(3);  // the 5
    Click(9);
    EXPECT_EQ(MarkedRow(), 1);
    Press("cmdRemoveItem");
    EXPECT_EQ(Spins(), (std::vector{5, 17, 32}));
}

// Every Undo and Redo, by menu or key, says in the log which step it took back or made
// again, so no line of the log is left standing untrue.
TEST_F(CorrectionsTest, UndoAndRedoSayWhatTheyDid) {
    window_.show();
    QApplication::setActiveWindow(&window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    Click(9);
    Click(17);
    PickRow(2);  // the 9
    Press("cmdRemoveItem");
    window_.RecordSpins(std::vector{1, 2});
    PickRow(3);  // the 17
    Press("cmdInsertResult");
    Click(4);
    const char* const said[] = {"Undid: 4 inserted as spin 1", "Undid: spins 2 to 3",
                                "Undid: removal of spin 1 (9)", "Undid: spin 2 (17)"};
    for (const char* line : said) {
        QTest::keySequence(&window_, QKeySequence::Undo);
        EXPECT_EQ(Status(), line);
    }
    QTest::keySequence(&window_, QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Status(), "Redid: spin 2 (17)");
    EXPECT_EQ(Spins(), (std::vector{9, 17}));
}

TEST_F(CorrectionsTest, WithNothingPickedRemoveItemTakesTheNewest) {
    Spin({5, 17});
    Press("cmdRemoveItem");
    Press("cmdRemoveItem");
    EXPECT_TRUE(Spins().empty());
    Press("cmdRemoveItem");
    EXPECT_EQ(Status(), "There is no spin to remove.");
    ExpectViewsAgreeWithTheHistory();
}

TEST_F(CorrectionsTest, InsertItemPutsTheClickedNumberBeforeThePickedSpin) {
    Spin({5, 17, 32});
    PickRow(2);  // the 17
    Press("cmdInsertResult");
    EXPECT_TRUE(find<QPushButton>("cmdInsertResult")->isChecked());
    EXPECT_NE(Prompt().find("Insert before spin 2 (17)"), std::string::npos) << Prompt();
    Click(9);
    EXPECT_EQ(Spins(), (std::vector{5, 9, 17, 32}));
    EXPECT_FALSE(find<QPushButton>("cmdInsertResult")->isChecked());
    // The pick stays on the 17, so the next insertion comes after the first.
    Press("cmdInsertResult");
    Type("21\r");
    EXPECT_EQ(Spins(), (std::vector{5, 9, 21, 17, 32}));
    EXPECT_EQ(action("mnu_Undo")->text(), "&Undo Insert 21");
    ExpectViewsAgreeWithTheHistory();
}

TEST_F(CorrectionsTest, EscapeCancelsAWaitingInsertion) {
    Spin({5, 17});
    Press("cmdInsertResult");
    Type("3");
    EXPECT_NE(Prompt().find("Typed: 3"), std::string::npos) << Prompt();
    QTest::keyClick(find<QPushButton>("cmdInsertResult"), Qt::Key_Escape);
    EXPECT_EQ(Prompt(), "");
    Click(8);  // recorded as usual again
    EXPECT_EQ(Spins(), (std::vector{5, 17, 8}));
}

TEST_F(CorrectionsTest, RecordSpinsIsOneUndoStep) {
    Spin({1});
    const std::vector<int> pasted{4, 40, 5, 6};
    window_.RecordSpins(pasted, "Paste 3 Spins");
    EXPECT_EQ(Spins(), (std::vector{1, 4, 5, 6}));
    EXPECT_EQ(action("mnu_Undo")->text(), "&Undo Paste 3 Spins");
    action("mnu_Undo")->trigger();
    EXPECT_EQ(Spins(), (std::vector{1}));
    EXPECT_EQ(action("mnu_Undo")->text(), "&Undo Spin 1");
}

TEST_F(CorrectionsTest, TheScrollRangeShrinksWithTheHistory) {
    for (int i = 0; i < 25; ++i) {
        window_.AddResult(i % 37);
    }
    scroll()->setValue(6);
    PickRow(19);  // spin 1
    for (int i = 0; i < 10; ++i) {
        Press("cmdRemoveItem");
    }
    EXPECT_EQ(scroll()->maximum(), 0);
    EXPECT_EQ(scroll()->value(), 0);
    ExpectViewsAgreeWithTheHistory();
}

// Clicks, removals, insertions, pastes, undos and redos in random order, through the
// widgets, against the same edits made to a plain list.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSteps = 2'000;
#else
constexpr int kSteps = 10'000;
#endif

TEST_F(CorrectionsTest, RandomEditsLeaveTheViewsOfTheResultingHistory) {
    struct Edit {
        bool insert;  // else a removal
        int position;
        std::vector<int> spins;
    };
    std::vector<int> expected;
    std::vector<Edit> done;
    std::vector<Edit> undone;
    const auto apply = [&](const Edit& edit, bool forward) {
        const auto at = expected.begin() + (edit.position - 1);
        if (edit.insert == forward) {
            expected.insert(at, edit.spins.begin(), edit.spins.end());
        } else {
            expected.erase(at, at + static_cast<long>(edit.spins.size()));
        }
    };
    const auto make = [&](Edit edit) {
        apply(edit, true);
        done.push_back(std::move(edit));
        undone.clear();
    };

    std::mt19937 random(1414);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 1; step <= kSteps; ++step) {
        const int count = static_cast<int>(expected.size());
        const int choice = below(count > 60 ? 80 : 100);  // longer histories shrink more often
        const int n = below(37);
        // A row of the window, scrolled to a random place first, and the slot it shows.
        const auto pick = [&] {
            scroll()->setValue(below(scroll()->maximum() + 1));
            const int row = 1 + below(std::min(19, count));
            PickRow(row);
            return count - scroll()->value() - row + 1;
        };
        if (choice < 20 && count > 0) {
            const int slot = pick();
            const int removed = expected[static_cast<std::size_t>(slot - 1)];
            Press("cmdRemoveItem");
            make({false, slot, {removed}});
        } else if (choice < 35 && count > 0) {
            const int slot = pick();
            Press("cmdInsertResult");
            if (below(2) == 0) {
                Click(n);
            } else {
                Type((std::to_string(n) + "\r").c_str());
            }
            make({true, slot, {n}});
        } else if (choice < 50) {
            if (!done.empty()) {
                apply(done.back(), false);
                undone.push_back(std::move(done.back()));
                done.pop_back();
            }
            action("mnu_Undo")->trigger();
        } else if (choice < 60) {
            if (!undone.empty()) {
                apply(undone.back(), true);
                done.push_back(std::move(undone.back()));
                undone.pop_back();
            }
            action("mnu_Redo")->trigger();
        } else if (choice < 63) {
            std::vector<int> pasted(static_cast<std::size_t>(1 + below(30)));
            for (int& spin : pasted) {
                spin = below(37);
            }
            window_.RecordSpins(pasted);
            make({true, count + 1, pasted});
        } else {
            Click(n);
            make({true, count + 1, {n}});
        }
        if (step % 1000 == 0 || step == kSteps) {
            ASSERT_EQ(Spins(), expected) << "after step " << step;
            ExpectViewsAgreeWithTheHistory();
        }
    }
}

}  // namespace
}  // namespace orvanta
