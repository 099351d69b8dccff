#pragma once

#include <QColor>

#include "grid/Rgb.h"

namespace orvanta {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace orvanta
