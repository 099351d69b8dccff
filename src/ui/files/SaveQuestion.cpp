// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/SaveQuestion.h"

#include <QFileInfo>
#include <QMessageBox>

#include "ui/files/SpinCount.h"

namespace orvanta {

SaveAnswer AskToSaveSpins(QWidget* parent, const QString& file, int spinCount) {
    const QString text =
        file.isEmpty()
            ? QStringLiteral("The history of %1 has not been saved.").arg(SpinCountText(spinCount))
            : QStringLiteral("The changes to %1 have not been saved.").arg(QFileInfo(file).fileName());
    QMessageBox box(QMessageBox::Warning, "Orvanta", text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName("unsavedSpinsQuestion");
    box.setInformativeText("Save before going on? Spins that are discarded are lost.");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

}  // namespace orvanta
