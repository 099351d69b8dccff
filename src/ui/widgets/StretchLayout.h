// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLayout>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>
#include <vector>

namespace orvanta {

// Lays out a page whose controls stand where the window's first size puts them, and
// grows it past that size along chosen lines: the extra width is put in at vertical
// lines, the extra height at horizontal ones, so a control that crosses a line grows
// and one beyond it moves. Captions and frames painted on the page away from the lines
// keep their size. A proportional page scales every place instead (a page of charts).
// The page is never laid out smaller than its first size; a window smaller than that
// shows it in a scroll area.
class StretchLayout : public QLayout {
    Q_OBJECT
public:
    // Places a control from the page's extra size and the layout's mapping.
    using Placement = std::function<QRect(const StretchLayout& layout)>;

    // base: the page's size at the window's first size.
    StretchLayout(QWidget* page, QSize base);
    ~StretchLayout() override;

    // Extra width (height) is shared out among the lines by weight.
    void AddColumnLine(int x, int weight = 1);
    void AddRowLine(int y, int weight = 1);
    // Shares the extra width out by a rule of the page's own instead: the share of each
    // column line, in the order they were added, from the page's extra size.
    using Shares = std::function<std::vector<int>(QSize extra)>;
    void SetColumnShares(Shares shares) { columnShares_ = std::move(shares); }
    void SetProportional(bool proportional) { proportional_ = proportional; }

    // Lays a control out from the place it stands in now, at the first size.
    void Add(QWidget* control);
    // Lays a control out by placement.
    void Add(QWidget* control, Placement placement);

    QSize base() const { return base_; }
    // How much larger than the first size the page is laid out now.
    QSize extra() const { return extra_; }
    // Where a point or rectangle of the first size lies now, in page coordinates.
    int MapX(int x) const;
    int MapY(int y) const;
    QRect Map(const QRect& base) const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Line {
        int position;
        int weight;
    };
    struct Entry {
        std::unique_ptr<QLayoutItem> item;
        QRect base;
        Placement placement;  // empty: Map(base)
    };

    static int Shift(const std::vector<Line>& lines, int extra, int coordinate);
    int ColumnShift(int x) const;

    QSize base_;
    QSize extra_;
    bool proportional_ = false;
    std::vector<Line> columns_;
    Shares columnShares_;
    std::vector<int> columnShareOf_;  // the shares the rule gave for the current size
    std::vector<Line> rows_;
    std::vector<Entry> entries_;
};

}  // namespace orvanta
