#pragma once

#include <QMainWindow>

#include "model/NumberTable.h"
#include "model/SpinModel.h"

class QAction;
class QMenu;

namespace orvanta {

class TabControl;

// The pages of SSTab1, left to right.
enum class TabPage {
    Main,
    StatisticsSummary,
    Color,
    HighLow,
    EvenOdd,
    N12,
    Row,
    Column,
    N6,
    WheelSector,
    Calculator,
    Help,
};

inline constexpr int kTabPageCount = 12;

// The main window: menu, the tab control and everything on its pages.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 11865;
    static constexpr int kClientHeightTwips = 8025;

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Records spin n and brings every view in line with it.
    void AddResult(int n);

    const SpinModel& model() const { return model_; }
    const NumberTable& numberTable() const { return numberTable_; }

    QWidget* page(TabPage page) const;

private:
    void CreateMenu();
    void CreateTabs();

    NumberTable numberTable_;
    SpinModel model_{numberTable_};

    TabControl* SSTab1_ = nullptr;
};

}  // namespace orvanta
