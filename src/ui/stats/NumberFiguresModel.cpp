// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/NumberFiguresModel.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

#include "core/stats/FigureText.h"

#include "ui/QtConvert.h"

namespace orvanta {

namespace {

constexpr const char* kHeadings[NumberFiguresModel::kColumnCount] = {"Number", "Count", "Expected",
                                                                     "z",      "Gap",   "Chance of gap"};

constexpr const char* kHeadingTips[NumberFiguresModel::kColumnCount] = {
    "The pockets in the order of the wheel, clockwise from 0. Click a heading to sort; click Number to "
    "return to the wheel's order.",
    "How often the number came.",
    "How often a fair wheel brings it in as many spins: spins / 37.",
    "How many standard deviations the count lies above (+) or below (-) what was expected. Within "
    "\u00b12 is ordinary; among 37 numbers one beyond it is common.",
    "Spins since the number last came.",
    "The chance that a fair wheel keeps a number away this long or longer: (36/37)^gap. Among 37 numbers "
    "one with a small chance is common."};

// Beyond |z| = 1 a cell warms (hot) or cools (cold), fully at |z| = 3.
QVariant Tint(double z) {
    const double strength = std::clamp((std::abs(z) - 1.0) / 2.0, 0.0, 1.0);
    if (strength <= 0.0) {
        return {};
    }
    const QColor full = z > 0 ? QColor(255, 150, 125) : QColor(135, 170, 255);
    const auto mix = [&](int channel) {
        return static_cast<int>(std::lround(255 + (channel - 255) * strength));
    };
    return QColor(mix(full.red()), mix(full.green()), mix(full.blue()));
}

QIcon PocketIcon(const QColor& color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(1, 1, 10, 10));
    return QIcon(pixmap);
}

}  // namespace

NumberFiguresModel::NumberFiguresModel(QObject* parent)
    : QAbstractTableModel(parent),
      pocketIcons_{PocketIcon(QColor(0, 140, 60)), PocketIcon(QColor(200, 20, 30)),
                   PocketIcon(QColor(20, 20, 20))} {
    SetReport(ComputeWheelBias({}));
}

void NumberFiguresModel::SetReport(const WheelBiasReport& report) {
    numbers_ = report.numbers;
    spins_ = report.spins;
    emit dataChanged(index(0, 0), index(kPocketCount - 1, kColumnCount - 1));
}

int NumberFiguresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPocketCount;
}

int NumberFiguresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString NumberFiguresModel::Text(const NumberFigures& figures, int column) const {
    // With no spins there is no deviation, gap or chance to speak of.
    const bool any = spins_ > 0;
    switch (column) {
        case kNumberColumn:
            return QString::number(figures.number);
        case kCountColumn:
            return FromStd(FormatCount(figures.count));
        case kExpectedColumn:
            return FromStd(FormatGrouped(figures.expected, figures.expected < 1.0 && any ? 2 : 1));
        case kZColumn:
            return any ? FromStd(FormatSigned(figures.z)) : QStringLiteral("\u2013");
        case kGapColumn:
            return any ? FromStd(FormatCount(figures.gap)) : QStringLiteral("\u2013");
        case kGapChanceColumn:
            return any ? FromStd(FormatProbability(figures.gapChance)) : QStringLiteral("\u2013");
        default:
            return {};
    }
}

QVariant NumberFiguresModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= kPocketCount) {
        return {};
    }
    const NumberFigures& figures = numbers_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return Text(figures, column);
        case Qt::AccessibleTextRole:
            return QStringLiteral("%1: %2").arg(kHeadings[column], Text(figures, column));
        case kSortRole:
            switch (column) {
                case kNumberColumn:
                    return index.row();
                case kCountColumn:
                    return static_cast<qlonglong>(figures.count);
                case kExpectedColumn:
                    return figures.expected;
                case kZColumn:
                    return figures.z;
                case kGapColumn:
                    return static_cast<qlonglong>(figures.gap);
                default:
                    return figures.gapChance;
            }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::DecorationRole:
            if (column != kNumberColumn) {
                return {};
            }
            return pocketIcons_[figures.number == 0 ? 0 : (IsRedNumber(figures.number) ? 1 : 2)];
        case Qt::BackgroundRole:
            return spins_ > 0 ? Tint(figures.z) : QVariant();
        case Qt::ForegroundRole:
            // A tinted cell is light whatever the desktop's colours, so its text is dark.
            return spins_ > 0 && Tint(figures.z).isValid() ? QVariant(QColor(Qt::black)) : QVariant();
        default:
            return {};
    }
}

QVariant NumberFiguresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString(kHeadings[section]);
        case Qt::ToolTipRole:
            return QString(kHeadingTips[section]);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

}  // namespace orvanta
