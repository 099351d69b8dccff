// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>

#include <array>

#include "core/model/SpinModel.h"

class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace orvanta {

class PastResultsPanel;
class ResultsGrid;
class StatusLine;
class StretchLayout;
class TabOrder;

// The Main tab: the page background and the betting table with its click areas and
// theme caption, the results grid with "Insert Item" and "Remove Item", the message
// box, and the analysis panel. At the window's first size every control stands where
// the layout puts it; a larger page gives the grids more rows and the table more room,
// and the table and its click areas scale together, keeping their proportions.
class MainPage : public QObject {
    Q_OBJECT
public:
    // Twice the first size at most: the twice-as-dense artwork stays sharp up to there.
    static constexpr double kLargestTableScale = 2.0;

    MainPage(const SpinModel& model, QWidget* page, TabOrder& tabOrder);

    // Shows the theme that the theme slider holds.
    void ApplyTheme();
    // The start-up step that lays the caption's eight white copies around it.
    void ArrangeTableNameLabels();

    ResultsGrid* resultsGrid() const { return resultsGrid_; }
    PastResultsPanel* pastResults() const { return pastResults_; }
    StatusLine* statusLine() const { return statusLine_; }
    QPushButton* insertButton() const { return insertButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    QSlider* themeSlider() const { return themeSlider_; }
    // Where the table picture stands now, in page coordinates.
    QRect tableRect() const;

signals:
    // A number clicked on the table picture.
    void numberClicked(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePictures(QWidget* page);
    void CreateTableAreas(QWidget* page);
    void CreateTableNameLabels(QWidget* page, TabOrder& tabOrder);
    void CreateLayout(QWidget* page);
    // Places a control that lies on the table picture: it moves and scales with it.
    void AddOnTable(QWidget* control);
    // Where a rectangle of the table picture at the first size lies now.
    QRect OnTable(const QRect& place) const;
    void ShowBackground();
    void FitTableNameFonts(double scale);

    QWidget* page_;
    StretchLayout* layout_ = nullptr;
    QLabel* backgroundPicture_ = nullptr;
    QLabel* tablePicture_ = nullptr;
    std::array<QLabel*, 9> tableNameLabels_{};
    QSlider* themeSlider_ = nullptr;
    ResultsGrid* resultsGrid_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    PastResultsPanel* pastResults_ = nullptr;
    QPixmap background_;        // the theme's picture, at the first size
    QSize backgroundShownFor_;  // the page size the shown picture was made for
    double nameFontScale_ = 1.0;
    bool namesArranged_ = false;
};

}  // namespace orvanta
