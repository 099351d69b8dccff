// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

namespace orvanta {

// What the calculator's output list holds: items as the panel adds them (a typed
// line, then its result, which for a loop is many lines joined by CR LF), shown one
// line a row. A view with rows of one height then lays out only the rows in sight,
// so a result of a million lines costs no more to draw than one of three.
class OutputLines : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void AppendItem(const QString& text);
    void Clear();

    int itemCount() const { return static_cast<int>(items_.size()); }
    // An item as it was added, CR LF included.
    const QString& itemText(int item) const { return items_.at(static_cast<std::size_t>(item)); }
    QString lineText(int row) const;
    // The lines of rows first..last (inclusive), joined by line feeds.
    QString LinesText(int first, int last) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Line {
        int item;
        int start;
        int length;
    };

    std::vector<QString> items_;
    std::vector<Line> lines_;
};

}  // namespace orvanta
