// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery/RecoveryOffer.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/QtConvert.h"
#include "ui/files/SpinCount.h"
#include "ui/recovery/RecoveryJournal.h"

namespace orvanta {

namespace {

QString Description(const JournalContents& contents) {
    const QString spins = SpinCountText(static_cast<long long>(contents.spins.size()));
    QString text = contents.file.empty()
                       ? QStringLiteral("Its recovery journal holds %1 not yet saved.").arg(spins)
                       : QStringLiteral("Its recovery journal holds %1 of %2, with changes not yet saved.")
                             .arg(spins, QFileInfo(FromStd(contents.file)).fileName());
    if (contents.damagedLine > 0) {
        text += QStringLiteral(
                    " Its record %1 is cut off or damaged; the history as it stood before that "
                    "record can be restored.")
                    .arg(contents.damagedLine);
    }
    return text;
}

}  // namespace

QString OfferRecovery(QWidget* parent, RecoveryJournal& journal,
                      const std::function<void(const JournalContents&)>& restore) {
    QString restored;
    for (RecoveryJournal::Leftover& leftover : journal.leftovers()) {
        if (!restored.isEmpty()) {
            journal.Release(leftover);
            continue;
        }
        QMessageBox box(QMessageBox::Question, "Orvanta", "Orvanta did not end cleanly last time.",
                        QMessageBox::NoButton, parent);
        box.setObjectName("recoveryOffer");
        box.setInformativeText(Description(leftover.contents) + " Restore that history?");
        QPushButton* restoreButton = box.addButton("&Restore", QMessageBox::AcceptRole);
        QPushButton* discardButton = box.addButton("&Discard", QMessageBox::DestructiveRole);
        box.setEscapeButton(box.addButton("&Later", QMessageBox::RejectRole));
        box.setDefaultButton(restoreButton);
        box.exec();
        if (box.clickedButton() == restoreButton) {
            restore(leftover.contents);
            journal.Forget(leftover);
            restored = QStringLiteral("Restored %1 from the recovery journal.")
                           .arg(SpinCountText(static_cast<int>(leftover.contents.spins.size())));
            if (leftover.contents.damagedLine > 0) {
                restored +=
                    QStringLiteral(" The journal was damaged at record %1; what came after it is lost.")
                        .arg(leftover.contents.damagedLine);
            }
        } else if (box.clickedButton() == discardButton) {
            journal.Forget(leftover);
        } else {
            journal.Release(leftover);
        }
    }
    journal.leftovers().clear();
    return restored;
}

}  // namespace orvanta
