// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

#include <string_view>

#include "core/colors/Rgb.h"

namespace orvanta {

// The core speaks std::string (UTF-8) and Rgb; the views speak QString and QColor.
inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every control carries its layout name and a name a screen reader can speak.
template <typename Control>
Control* Named(Control* control, const QString& name, const QString& accessibleName) {
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    return control;
}

}  // namespace orvanta
