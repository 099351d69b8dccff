// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/MainPage.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <ranges>

#include "ui/LayoutTables.h"
#include "ui/Pictures.h"
#include "ui/QtConvert.h"
#include "ui/StatusLine.h"
#include "ui/TabControl.h"
#include "ui/TabOrder.h"
#include "ui/ThemeTable.h"
#include "ui/analysis/PastResultsPanel.h"
#include "ui/analysis/SearchGrids.h"
#include "ui/grid/ResultsGrid.h"
#include "ui/main/StretchedPicture.h"
#include "ui/widgets/ClickArea.h"
#include "ui/widgets/FlexGrid.h"
#include "ui/widgets/StretchLayout.h"

namespace orvanta {

namespace {

constexpr double kNameFontPoints = 8.25;

// The page grows along these lines: the extra height goes in through the middle of the
// grids and the table; the extra width through the results panel, left of its two
// buttons, and through the table's panel, right of its caption.
constexpr int kGrowthRow = 200;
constexpr int kResultsColumn = 110;
constexpr int kTableColumn = 660;
// The results panel grows to twice its width at most; past that the table's panel
// takes the rest and the table stands in its middle.
constexpr int kResultsGrowthLimit = 320;

// The bands of the background that repeat to fill the extra, in the background's own
// pixels: each runs through nothing but panel insides and frames, clear of every
// caption. In the row of the buttons the results panel repeats a plain stretch left
// of them.
const PictureBands kBackgroundBands = {
    {150, 100},
    {{368, {{240, 60}, {630, 60}}}, {398, {{102, 3}, {630, 60}}}, {510, {{240, 60}, {630, 60}}}},
};

// The eight white copies lie one pixel off in the eight directions beneath the black
// caption, which draws it with a white outline.
constexpr std::array<QPoint, 8> kNameShadowOffsets = {
    {{-1, -1}, {1, 1}, {-1, 1}, {1, -1}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}}};

// Edges are scaled, not sizes, so that neighbouring areas stay edge to edge.
int ScaledEdge(int offset, double scale) {
    return static_cast<int>(std::lround(offset * scale));
}

}  // namespace

MainPage::MainPage(const SpinModel& model, QWidget* page, TabOrder& tabOrder) : QObject(page), page_(page) {
    // Created from the bottom of the stack to the top: pictures, click areas and labels
    // first, the windowed controls last so that they lie above them.
    CreatePictures(page);
    CreateTableAreas(page);
    CreateTableNameLabels(page, tabOrder);

    resultsGrid_ = new ResultsGrid(model, page);
    tabOrder.Set(resultsGrid_->grid(), 33);
    tabOrder.Set(resultsGrid_->scrollBar(), 36);

    // Pressed in while it waits for the number to insert; a second click cancels.
    insertButton_ = Named(new QPushButton("Insert Item", page), "cmdInsertResult", "Insert Item");
    insertButton_->setCheckable(true);
    TabControl::Place(insertButton_, kInsertButtonBox);
    tabOrder.Set(insertButton_, 1);
    removeButton_ = Named(new QPushButton("Remove Item", page), "cmdRemoveItem", "Remove Item");
    TabControl::Place(removeButton_, kRemoveButtonBox);
    tabOrder.Set(removeButton_, 2);

    statusLine_ = new StatusLine([&model] { return model.SpinCount(); }, page);
    TabControl::Place(statusLine_, kMessagesBox);
    tabOrder.Set(statusLine_, 46);

    pastResults_ = new PastResultsPanel(model, page, tabOrder);

    themeSlider_ = Named(new QSlider(Qt::Horizontal, page), "sldTheme", "Theme");
    themeSlider_->setRange(kFirstSelectableTheme, kLastSelectableTheme);
    themeSlider_->setValue(kStartingTheme);
    themeSlider_->setPageStep(1);
    themeSlider_->setTickPosition(QSlider::TicksBelow);
    TabControl::Place(themeSlider_, 7320, 960, 1815, 255);
    themeSlider_->setVisible(false);
    tabOrder.Set(themeSlider_, 7);
    connect(themeSlider_, &QSlider::valueChanged, this, &MainPage::ApplyTheme);

    CreateLayout(page);
}

void MainPage::CreatePictures(QWidget* page) {
    backgroundPicture_ = Named(new QLabel(page), "imgTheme", "Background");
    backgroundPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TabControl::Place(backgroundPicture_, kBackgroundBox);
    backgroundPicture_->installEventFilter(this);

    tablePicture_ = Named(new QLabel(page), "imgTable", "Betting table");
    tablePicture_->setScaledContents(true);
    TabControl::Place(tablePicture_, kTablePictureBox);
    tablePicture_->installEventFilter(this);
}

void MainPage::CreateTableAreas(QWidget* page) {
    for (auto spot = kHotSpots.rbegin(); spot != kHotSpots.rend(); ++spot) {
        auto* area = Named(new ClickArea(page), spot->objectName, QString("Choose %1").arg(spot->category));
        TabControl::Place(area, spot->box);
        const QString category = spot->category;
        connect(area, &ClickArea::clicked, this,
                [this, category] { pastResults_->categoryBox()->setEditText(category); });
    }
    // 0 ends on top, so where 8 and 9 overlap the click lands on 8.
    for (int n = kHighestNumber; n >= kLowestNumber; --n) {
        auto* area = Named(new ClickArea(page), QStringLiteral("TableNum_%1").arg(n),
                           QStringLiteral("Number %1").arg(n));
        TabControl::Place(area, kTableNumBoxes[static_cast<std::size_t>(n)]);
        connect(area, &ClickArea::clicked, this, [this, n] { emit numberClicked(n); });
    }
}

void MainPage::CreateTableNameLabels(QWidget* page, TabOrder& tabOrder) {
    for (int i = static_cast<int>(kTableNameShadowBoxes.size()); i >= 0; --i) {
        auto* label = Named(new QLabel("Table: Default", page), QStringLiteral("lblTableName_%1").arg(i),
                            i == 0 ? QStringLiteral("Table name") : QString());
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->installEventFilter(this);
        tableNameLabels_[static_cast<std::size_t>(i)] = label;
        if (i == 0) {
            QFont bold("Liberation Sans");
            bold.setPointSizeF(kNameFontPoints);
            bold.setBold(true);
            label->setFont(bold);
            TabControl::Place(label, kTableNameBox);
            tabOrder.Set(label, 8);
        } else {
            QPalette white = label->palette();
            white.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(white);
            TabControl::Place(label, kTableNameShadowBoxes[static_cast<std::size_t>(i - 1)]);
        }
    }
}

void MainPage::CreateLayout(QWidget* page) {
    layout_ = new StretchLayout(page, TabControl::PageSize());
    layout_->AddRowLine(kGrowthRow);
    layout_->AddColumnLine(kResultsColumn);
    layout_->AddColumnLine(kTableColumn);
    layout_->SetColumnShares([](QSize extra) {
        // The table first, as much as the height lets it grow; what is left goes half
        // to the results, up to their limit, and the rest to the table's panel.
        const int tableWidth = TabControl::PageRect(kTablePictureBox).width();
        const int tableHeight = TabControl::PageRect(kTablePictureBox).height();
        const double scale =
            std::min(static_cast<double>(tableHeight + extra.height()) / tableHeight, kLargestTableScale);
        const int forTable = std::min(extra.width(), ScaledEdge(tableWidth, scale) - tableWidth);
        const int results = std::min((extra.width() - forTable) / 2, kResultsGrowthLimit);
        return std::vector<int>{results, extra.width() - results};
    });

    layout_->Add(backgroundPicture_);
    layout_->Add(tablePicture_, [this](const StretchLayout&) { return tableRect(); });
    for (QWidget* child : page->findChildren<ClickArea*>(Qt::FindDirectChildrenOnly)) {
        AddOnTable(child);
    }
    AddOnTable(tableNameLabels_[0]);
    AddOnTable(themeSlider_);
    // Until the start-up arranges them around the caption, the copies stand where the
    // layout stores them.
    for (std::size_t i = 1; i < tableNameLabels_.size(); ++i) {
        const QRect stored = tableNameLabels_[i]->geometry();
        const QPoint offset = kNameShadowOffsets[i - 1];
        layout_->Add(tableNameLabels_[i], [this, stored, offset](const StretchLayout&) {
            return namesArranged_ ? tableNameLabels_[0]->geometry().translated(offset) : OnTable(stored);
        });
    }
    for (QWidget* control : std::initializer_list<QWidget*>{resultsGrid_->grid(), resultsGrid_->scrollBar(),
                                                            insertButton_, removeButton_, statusLine_}) {
        layout_->Add(control);
    }
    for (QWidget* control : pastResults_->controls()) {
        layout_->Add(control);
    }
}

QRect MainPage::tableRect() const {
    const QRect base = TabControl::PageRect(kTablePictureBox);
    const QRect box = layout_->Map(base);
    const double scale = std::clamp(std::min(static_cast<double>(box.width()) / base.width(),
                                             static_cast<double>(box.height()) / base.height()),
                                    1.0, kLargestTableScale);
    const QSize size(ScaledEdge(base.width(), scale), ScaledEdge(base.height(), scale));
    return {box.topLeft() + QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
            size};
}

QRect MainPage::OnTable(const QRect& place) const {
    const QRect base = TabControl::PageRect(kTablePictureBox);
    const QRect table = tableRect();
    const double scale = static_cast<double>(table.width()) / base.width();
    const QPoint from = place.topLeft() - base.topLeft();
    const QPoint to = from + QPoint(place.width(), place.height());
    return {table.topLeft() + QPoint(ScaledEdge(from.x(), scale), ScaledEdge(from.y(), scale)),
            table.topLeft() + QPoint(ScaledEdge(to.x(), scale), ScaledEdge(to.y(), scale)) - QPoint(1, 1)};
}

void MainPage::AddOnTable(QWidget* control) {
    const QRect place = control->geometry();
    layout_->Add(control, [this, place](const StretchLayout&) { return OnTable(place); });
}

// The slider's value is read afresh at every step: choosing theme 1 moves the slider
// to 2, which runs this whole handler for theme 2 before the outer run goes on.
void MainPage::ApplyTheme() {
    tablePicture_->setPixmap(
        TablePicture(kThemeTable[static_cast<std::size_t>(themeSlider_->value() - 1)].tablePicture));
    background_ = BackgroundPicture(1);
    if (themeSlider_->value() == 1) {
        themeSlider_->setValue(2);
    }
    const Theme& theme = kThemeTable[static_cast<std::size_t>(themeSlider_->value() - 1)];
    tableNameLabels_[0]->setText(FromStd(theme.caption));
    if (themeSlider_->value() >= 2 && theme.backgroundPicture != 0) {
        background_ = BackgroundPicture(theme.backgroundPicture);
    }
    // Shown once the theme is settled: a grown background is made anew each time.
    ShowBackground();
    for (std::size_t i = 1; i < tableNameLabels_.size(); ++i) {
        tableNameLabels_[i]->setText(tableNameLabels_[0]->text());
    }
}

// At the first size the theme's own picture; larger, the same picture grown along the
// page's growth lines, so its frames stay around the controls they frame.
void MainPage::ShowBackground() {
    const QSize size = backgroundPicture_->size();
    backgroundShownFor_ = size;
    if (size == background_.deviceIndependentSize().toSize() || background_.isNull()) {
        backgroundPicture_->setPixmap(background_);
        return;
    }
    const QSize extra = layout_->extra();
    const int results = layout_->MapX(kResultsColumn + 1) - kResultsColumn - 1;
    backgroundPicture_->setPixmap(
        StretchPicture(background_, kBackgroundBands, {results, extra.width() - results}, extra.height()));
}

// The shadow copies take the caption's place, font and size, each one pixel off.
void MainPage::ArrangeTableNameLabels() {
    namesArranged_ = true;
    const QRect caption = tableNameLabels_[0]->geometry();
    for (std::size_t i = 1; i < tableNameLabels_.size(); ++i) {
        tableNameLabels_[i]->setGeometry(caption.translated(kNameShadowOffsets[i - 1]));
        tableNameLabels_[i]->setFont(tableNameLabels_[0]->font());
    }
}

void MainPage::FitTableNameFonts(double scale) {
    if (std::abs(scale - nameFontScale_) < 1e-6) {
        return;
    }
    nameFontScale_ = scale;
    for (QLabel* label : tableNameLabels_) {
        QFont font = label->font();
        font.setPointSizeF(kNameFontPoints * scale);
        label->setFont(font);
    }
}

bool MainPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == backgroundPicture_ && backgroundPicture_->size() != backgroundShownFor_) {
            ShowBackground();
        } else if (watched == tablePicture_) {
            FitTableNameFonts(static_cast<double>(tablePicture_->width()) /
                              TabControl::PageRect(kTablePictureBox).width());
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        std::ranges::find(tableNameLabels_, watched) != tableNameLabels_.end()) {
        const int theme = themeSlider_->value();
        switch (static_cast<QMouseEvent*>(event)->button()) {
            case Qt::LeftButton:
                themeSlider_->setValue(theme < themeSlider_->maximum() ? theme + 1 : themeSlider_->minimum());
                break;
            case Qt::RightButton:
                themeSlider_->setValue(theme > themeSlider_->minimum() ? theme - 1 : themeSlider_->maximum());
                break;
            default:
                break;
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvanta
