// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WarningBox.h"

#include <QMessageBox>

namespace orvanta {

void ShowWarning(QWidget* parent, const QString& message, const QString& name) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Orvanta", message, QMessageBox::Ok, parent);
    box->setObjectName(name);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

}  // namespace orvanta
