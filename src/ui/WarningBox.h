// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace orvanta {

// A warning the program goes on past: window-modal and not blocking, it closes with a
// click. name is its objectName, by which tests find it.
void ShowWarning(QWidget* parent, const QString& message, const QString& name);

}  // namespace orvanta
