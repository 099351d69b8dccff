// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include <array>
#include <cstdint>

#include "core/stats/WheelBias.h"

namespace orvanta {

// The per-number figures of a report as a table in wheel order: number, count,
// expected, z, gap and the chance of that gap, every row tinted by its z so that hot
// and cold numbers show at a glance. A new report rewrites the cells in place.
class NumberFiguresModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kNumberColumn,
        kCountColumn,
        kExpectedColumn,
        kZColumn,
        kGapColumn,
        kGapChanceColumn,
        kColumnCount
    };
    // The figure itself, for sorting; the number's place on the wheel in the number column.
    static constexpr int kSortRole = Qt::UserRole;

    explicit NumberFiguresModel(QObject* parent = nullptr);

    void SetReport(const WheelBiasReport& report);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const NumberFigures& figures, int column) const;

    std::array<NumberFigures, kPocketCount> numbers_{};
    std::int64_t spins_ = 0;
    std::array<QIcon, 3> pocketIcons_;  // green, red, black
};

}  // namespace orvanta
