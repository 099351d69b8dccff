#pragma once

#include <QPixmap>

namespace orvanta {

// Plain stand-ins for the table picture (280 x 480) and the page background
// (785 x 510), painted from the layout's own boxes so that every number and
// outside box lies under its click area.
QPixmap PlaceholderTablePicture();
QPixmap PlaceholderBackground();

}  // namespace orvanta
