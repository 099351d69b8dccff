// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/SaveQuestion.h"

#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

namespace orvanta {

QString SaveQuestionText(const QString& file, int unsavedSpins, NextStep next) {
    const QString what =
        unsavedSpins < 0    ? QStringLiteral("the changes to %1").arg(QFileInfo(file).fileName())
        : unsavedSpins == 1 ? QStringLiteral("the unsaved spin")
                            : QStringLiteral("the %1 unsaved spins").arg(QLocale().toString(unsavedSpins));
    const char* before = next == NextStep::Exiting          ? "exiting"
                         : next == NextStep::OpeningAnother ? "opening another file"
                                                            : "starting a new history";
    return QStringLiteral("Save %1 before %2?").arg(what, before);
}

SaveAnswer AskToSaveSpins(QWidget* parent, const QString& file, int unsavedSpins, NextStep next) {
    QMessageBox box(QMessageBox::Warning, "Orvanta", SaveQuestionText(file, unsavedSpins, next),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName("unsavedSpinsQuestion");
    box.setInformativeText("Spins that are discarded are lost.");
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
