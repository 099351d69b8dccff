// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

namespace orvanta {

// The vertical scroll bar beside a grid that shows a fixed window of rows. It takes the
// keyboard focus like any other control and shows it, and the grid hands it the wheel
// and the scrolling keys. Its own steps stay one row (the track and the arrows move
// one row, as the layout stores them); a wheel notch moves the desktop's number of
// lines, and Page Up/Down a windowful of rows.
class GridScrollBar : public QScrollBar {
    Q_OBJECT
public:
    GridScrollBar(int rowsPerPage, QWidget* parent);

    // The rows the grid shows at once: what Page Up/Down and Ctrl with the wheel move.
    void setRowsPerPage(int rows) { rowsPerPage_ = rows; }

    // The keys the bar answers: arrows up and down, Page Up/Down, Home and End.
    static bool IsScrollKey(int key);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int rowsPerPage_;
    int wheelEighths_ = 0;  // wheel turn not yet worth a whole row (touchpads)
};

}  // namespace orvanta
