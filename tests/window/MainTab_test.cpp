// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "ui/LayoutTables.h"
#include "ui/MainWindow.h"
#include "ui/StatusLine.h"
#include "ui/Twips.h"

#include "support/GridReading.h"
#include "support/TableMarks.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::CellBack;
using testing::CellFore;
using testing::CellText;
using testing::ColumnTexts;
using testing::RowTexts;
using Texts = std::vector<std::string>;

class MainTabTest : public testing::WindowTest {
protected:
    QTableView* grid() const { return find<QTableView>("FlexGrid1"); }
    QTableView* searchGrid(int which) const { return find<QTableView>(QString("SearchGrid%1").arg(which)); }

    void Click(int n) { QTest::mouseClick(find(QString("TableNum_%1").arg(n)), Qt::LeftButton); }
    void ClickAll(std::initializer_list<int> spins) {
        for (int n : spins) {
            Click(n);
        }
    }
    void Calculate(const QString& category, int runLength, int depth) {
        find<QComboBox>("cboPastResults")->setEditText(category);
        find<QSlider>("sldLength")->setValue(runLength);
        find<QSlider>("sldDepth")->setValue(depth);
        QTest::mouseClick(find<QPushButton>("cmdPastResultsCalc"), Qt::LeftButton);
    }
    Texts Shown(int which, int rows = 4) const { return ColumnTexts(searchGrid(which), 0, 1, rows); }
};

TEST_F(MainTabTest, StartsWithHeadersOnlyAndTheCategoryList) {
    EXPECT_EQ(RowTexts(grid(), 0), (Texts{"", "Num", "Color", "E/O", "H/L", "N12", "Row", "Col", "N6"}));
    EXPECT_EQ(RowTexts(grid(), 1), Texts(9, ""));
    const QComboBox* category = find<QComboBox>("cboPastResults");
    EXPECT_EQ(category->currentText(), "Color");
    EXPECT_TRUE(category->isEditable());
    QStringList items;
    for (int i = 0; i < category->count(); ++i) {
        items << category->itemText(i);
    }
    EXPECT_EQ(items,
              QStringList({"Number", "Color", "Even / Odd", "High / Low", "n 12", "n 6", "Row", "Column"}));

    const QSlider* length = find<QSlider>("sldLength");
    EXPECT_EQ(length->minimum(), 1);
    EXPECT_EQ(length->maximum(), 20);
    EXPECT_EQ(length->value(), 5);
    const QSlider* depth = find<QSlider>("sldDepth");
    EXPECT_EQ(depth->minimum(), 0);
    EXPECT_EQ(depth->maximum(), 15);
    EXPECT_EQ(depth->value(), 0);
    EXPECT_FALSE(find<QSlider>("sldTheme")->isVisibleTo(&window_));
    EXPECT_EQ(find<QScrollBar>("ScrollMain")->maximum(), 0);
}

TEST_F(MainTabTest, ClickingSeventeenFillsTheFirstRow) {
    Click(17);
    EXPECT_EQ(RowTexts(grid(), 1), (Texts{"1", " 17", "B", "O", "L", "2", "6", "2", "3"}));
    const Rgb expected[] = {{230, 230, 230}, {1, 1, 1},       {255, 255, 192}, {255, 224, 224},
                            {224, 224, 255}, {231, 255, 231}, {224, 255, 224}, {255, 255, 239}};
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(CellBack(grid(), 1, column), expected[column - 1]) << column;
        EXPECT_EQ(CellFore(grid(), 1, column), (column == 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0})) << column;
    }
    EXPECT_EQ(RowTexts(grid(), 2), Texts(9, ""));
    EXPECT_EQ(find<QScrollBar>("ScrollMain")->maximum(), 0);
    EXPECT_EQ(window_.model().SpinCount(), 1);
}

TEST_F(MainTabTest, ZeroRowIsGreenThroughout) {
    ClickAll({5, 0});
    EXPECT_EQ(RowTexts(grid(), 1), (Texts{"2", " 0", "-", "-", "-", "-", "-", "-", "-"}));
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(CellBack(grid(), 1, column), (Rgb{0, 192, 0})) << column;
    }
    EXPECT_EQ(CellFore(grid(), 1, 2), (Rgb{255, 255, 255}));
    EXPECT_EQ(CellText(grid(), 2, 1), " 5");
}

TEST_F(MainTabTest, ScrollBarWalksBackThroughOlderSpins) {
    for (int i = 1; i <= 26; ++i) {
        Click(i);
    }
    QScrollBar* scroll = find<QScrollBar>("ScrollMain");
    EXPECT_EQ(scroll->maximum(), 7);
    scroll->setValue(7);
    EXPECT_EQ(CellText(grid(), 1, 0), "19");
    EXPECT_EQ(CellText(grid(), 19, 1), " 1");
    Click(0);
    EXPECT_EQ(scroll->value(), 7);
    EXPECT_EQ(CellText(grid(), 1, 0), "20");
}

// Wherever a number's box is painted, up to its edges, a click lands on that number's
// area: nothing else, not the theme caption, lies above it.
TEST_F(MainTabTest, EveryNumberIsClickableToTheEdgesOfItsBox) {
    window_.show();
    QWidget* table = find("imgTable");
    for (int n = 0; n <= 36; ++n) {
        for (const QPointF& point : testing::MarkEdgePoints(n, 0.5)) {
            const QPoint onPage = table->mapTo(window_.page(TabPage::Main), point.toPoint());
            const QWidget* hit = window_.page(TabPage::Main)->childAt(onPage);
            ASSERT_NE(hit, nullptr) << n;
            EXPECT_EQ(hit->objectName(), QString("TableNum_%1").arg(n)) << point.x() << "," << point.y();
        }
        EXPECT_EQ(find(QString("TableNum_%1").arg(n))->accessibleName(), QString("Number %1").arg(n));
    }
}

TEST_F(MainTabTest, WhereEightAndNineOverlapTheClickLandsOnEight) {
    window_.show();
    QWidget* main = window_.page(TabPage::Main);
    const QPoint strip(TwipsToPixels(10580), TwipsToPixels(2600) - 20);
    QWidget* hit = main->childAt(strip);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->objectName(), "TableNum_8");
    QTest::mouseClick(hit, Qt::LeftButton);
    EXPECT_EQ(window_.model().SlotText(1), "8 ");
}

TEST_F(MainTabTest, HotSpotsOnlyChooseTheCategory) {
    ClickAll({1, 2, 1, 2, 1, 2});
    Calculate("Number", 1, 0);
    const Texts before = Shown(1);
    struct Spot {
        const char* name;
        const char* category;
    };
    for (const Spot spot : {Spot{"imgColumn", "Column"}, Spot{"imgColor", "Color"}, Spot{"imgN12", "n 12"},
                            Spot{"imgEvenOdd_0", "Even / Odd"}, Spot{"imgEvenOdd_1", "Even / Odd"},
                            Spot{"imgHighLow_0", "High / Low"}, Spot{"imgHighLow_1", "High / Low"}}) {
        QTest::mouseClick(find(spot.name), Qt::LeftButton);
        EXPECT_EQ(find<QComboBox>("cboPastResults")->currentText(), spot.category);
        EXPECT_EQ(Shown(1), before);
    }
    EXPECT_EQ(window_.model().SpinCount(), 6);
}

TEST_F(MainTabTest, AnalysisOfNumberPairs) {
    ClickAll({7, 12, 7, 30, 7, 12, 5, 7, 12});
    Calculate("Number", 2, 0);
    EXPECT_EQ(Shown(1), (Texts{"5 ", "7 ", "", ""}));
    EXPECT_EQ(Shown(2), (Texts{"", "", "", ""}));
    EXPECT_EQ(CellBack(searchGrid(1), 1, 0), (Rgb{248, 248, 248}));
}

TEST_F(MainTabTest, AnalysisWithARecursivePass) {
    ClickAll({3, 5, 3, 5, 3, 8, 3, 5, 3});
    Calculate("Number", 1, 1);
    EXPECT_EQ(Shown(1, 5), (Texts{"5 ", "8 ", "5 ", "5 ", ""}));
    EXPECT_EQ(Shown(2), (Texts{"8 ", "", "", ""}));
    Calculate("Number", 1, 2);
    EXPECT_EQ(Shown(2), (Texts{"", "", "", ""}));
}

TEST_F(MainTabTest, AnalysisOfColours) {
    ClickAll({1, 2, 3, 4, 5});
    Calculate("Color", 2, 0);
    EXPECT_EQ(Shown(1), (Texts{"B ", "", "", ""}));
    EXPECT_EQ(CellBack(searchGrid(1), 1, 0), (Rgb{1, 1, 1}));
    EXPECT_EQ(CellFore(searchGrid(1), 1, 0), (Rgb{255, 255, 255}));
}

// A run clears both grids before it shows its lists, so no entry of an earlier run survives.
TEST_F(MainTabTest, ARunReplacesTheEarlierLists) {
    ClickAll({3, 5, 3, 5, 3, 8, 3, 5, 3});
    Calculate("Number", 1, 1);
    Calculate("Number", 5, 0);
    EXPECT_EQ(Shown(1), (Texts{"", "", "", ""}));
    EXPECT_EQ(Shown(2), (Texts{"", "", "", ""}));
    EXPECT_EQ(CellBack(searchGrid(1), 1, 0), (Rgb{255, 255, 255}));
}

TEST_F(MainTabTest, NewSpinsCorrectionsAndSlidersLeaveTheSearchGridsAlone) {
    ClickAll({7, 12, 7, 30, 7, 12, 5, 7, 12});
    Calculate("Number", 2, 0);
    ClickAll({7, 12});
    find<QSlider>("sldLength")->setValue(9);
    find<QSlider>("sldDepth")->setValue(9);
    QTest::mouseClick(find<QPushButton>("cmdInsertResult"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("cmdRemoveItem"), Qt::LeftButton);
    EXPECT_EQ(Shown(1), (Texts{"5 ", "7 ", "", ""}));
    EXPECT_EQ(window_.model().SpinCount(), 10);
}

TEST_F(MainTabTest, LongFollowerListsScrollToTheirEnd) {
    // Zero, then a follower, 1025 times: the followers of the latest zero.
    for (int i = 0; i < 1025; ++i) {
        window_.AddResult(0);
        window_.AddResult(i % 36 + 1);
    }
    window_.AddResult(0);
    Calculate("Number", 1, 0);
    QScrollBar* scroll = find<QScrollBar>("ScrollS1");
    EXPECT_EQ(scroll->maximum(), 1025 - 18);
    scroll->setValue(scroll->maximum());
    // Newest first: the last entry is the follower of the oldest zero.
    EXPECT_EQ(CellText(searchGrid(1), 18, 0), "1 ");
}

// Tab walks the page's controls in the layout's order.
TEST_F(MainTabTest, TabOrderFollowsTheLayout) {
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    find("cmdInsertResult")->setFocus();
    QStringList visited;
    for (int i = 0; i < 15; ++i) {
        QWidget* focus = QApplication::focusWidget();
        // A combo box takes focus through its edit field.
        while (focus != nullptr && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        visited << (focus != nullptr ? focus->objectName() : "none");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' ').toStdString(),
              "cmdInsertResult cmdRemoveItem sldLength sldDepth cmdPastResultsCalc cboPastResults FlexGrid1 "
              "SearchGrid1 SearchGrid2 ScrollMain ScrollS1 ScrollS2 txtMessages SSTab1 cmdInsertResult");
}

struct ScrollCase {
    const char* grid;
    const char* bar;
    int page;  // rows a page key moves
};

void PrintTo(const ScrollCase& c, std::ostream* out) {
    *out << c.grid;
}

// A grid's own scroll bars are off; its bar beside it takes the wheel and the keys.
class GridScrollTest : public MainTabTest, public ::testing::WithParamInterface<ScrollCase> {
protected:
    void SetUp() override {
        // Sixty zeros each followed by a 5: long lists in both search grids.
        for (int i = 0; i < 60; ++i) {
            Spin({0, 5});
        }
        Spin({0});
        Calculate("Number", 1, 1);
    }
    QScrollBar* bar() const { return find<QScrollBar>(GetParam().bar); }
    void Wheel(QWidget* grid, int notches) {
        const QPoint middle = grid->rect().center();
        QWheelEvent wheel(middle, grid->mapToGlobal(middle), {}, {0, 120 * notches}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(static_cast<QAbstractScrollArea*>(grid)->viewport(), &wheel);
    }
    int Key(QWidget* target, Qt::Key key) {
        QTest::keyClick(target, key);
        return bar()->value();
    }
};

TEST_P(GridScrollTest, WheelAndKeysMoveTheGridsScrollBar) {
    ShowActive();
    auto* grid = find<QTableView>(GetParam().grid);
    const int page = GetParam().page;
    ASSERT_GT(bar()->maximum(), 2 * page);

    Wheel(grid, -1);  // down: older entries
    EXPECT_EQ(bar()->value(), QApplication::wheelScrollLines());
    Wheel(grid, 1);
    EXPECT_EQ(bar()->value(), 0);

    grid->setFocus();
    EXPECT_EQ(Key(grid, Qt::Key_Down), 1);
    EXPECT_EQ(Key(grid, Qt::Key_PageDown), 1 + page);
    EXPECT_EQ(Key(grid, Qt::Key_Up), page);
    EXPECT_EQ(Key(grid, Qt::Key_End), bar()->maximum());
    EXPECT_EQ(Key(grid, Qt::Key_PageUp), bar()->maximum() - page);
    EXPECT_EQ(Key(grid, Qt::Key_Home), 0);

    // The bar itself is reached by Tab and answers the same keys.
    bar()->setFocus();
    EXPECT_TRUE(bar()->hasFocus());
    EXPECT_EQ(Key(bar(), Qt::Key_PageDown), page);
    EXPECT_EQ(Key(bar(), Qt::Key_Down), page + 1);
}

INSTANTIATE_TEST_SUITE_P(Grids, GridScrollTest,
                         ::testing::Values(ScrollCase{"FlexGrid1", "ScrollMain", 19},
                                           ScrollCase{"SearchGrid1", "ScrollS1", 18},
                                           ScrollCase{"SearchGrid2", "ScrollS2", 18}),
                         [](const auto& info) { return std::string(info.param.grid); });

// A slider shows no number of its own: it tells its value on hover, while it is moved,
// and to a screen reader, and stays where the layout puts it.
TEST_F(MainTabTest, SlidersTellTheirValue) {
    ShowActive();
    for (const auto& [name, caption] :
         {std::pair("sldLength", "Run length"), std::pair("sldDepth", "Recursion depth")}) {
        auto* slider = find<QSlider>(name);
        const QRect place = slider->geometry();
        const auto text = [caption = QString(caption)](int value) {
            return QString("%1: %2").arg(caption).arg(value);
        };
        EXPECT_EQ(slider->toolTip(), text(slider->value()));

        slider->setSliderDown(true);
        slider->setSliderPosition(7);  // a drag
        EXPECT_TRUE(QToolTip::isVisible()) << name;
        EXPECT_EQ(QToolTip::text(), text(7));
        slider->setSliderDown(false);

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_EQ(QToolTip::text(), text(8));
        EXPECT_EQ(slider->toolTip(), text(8));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(slider);
        EXPECT_EQ(spoken->valueInterface()->currentValue().toInt(), 8);
        EXPECT_EQ(spoken->text(QAccessible::Description), text(8));
        EXPECT_EQ(slider->geometry(), place);
        QToolTip::hideText();
    }
}

// The category is the text exactly as typed: nothing completes it while typing or
// corrects it on leaving the box, and a text that names no category still runs, the
// Messages box saying why the lists hold blanks.
TEST_F(MainTabTest, TypedCategoryReachesTheAnalysisAsTyped) {
    ShowActive();
    ClickAll({1, 2, 1, 2, 1, 2});
    auto* category = find<QComboBox>("cboPastResults");
    category->setFocus();
    category->lineEdit()->selectAll();
    QTest::keyClicks(category->lineEdit(), "col");
    EXPECT_EQ(category->currentText(), "col");
    QTest::keyClicks(category->lineEdit(), "or");
    QTest::keyClick(category->lineEdit(), Qt::Key_Tab);
    EXPECT_FALSE(category->hasFocus());
    EXPECT_EQ(category->currentText(), "color");

    find<QSlider>("sldLength")->setValue(1);
    QTest::mouseClick(find<QPushButton>("cmdPastResultsCalc"), Qt::LeftButton);
    EXPECT_EQ(Shown(1, 6), (Texts{"  ", "  ", "  ", "  ", "  ", ""}));
    EXPECT_EQ(window_.statusLine()->messages().value(0),
              "'color' is not a category: every run matched, no code was collected");

    Calculate("Color", 1, 0);
    EXPECT_EQ(Shown(1, 2), (Texts{"R ", "R "}));
    EXPECT_EQ(window_.statusLine()->messages().value(0), "B: 2 earlier runs; next came R 2.");
    EXPECT_EQ(find("SearchGrid1")->toolTip(), "Followers: R 2");
}

}  // namespace
}  // namespace orvanta
