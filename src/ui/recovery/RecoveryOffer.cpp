// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery/RecoveryOffer.h"

#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "ui/QtConvert.h"
#include "ui/files/SpinCount.h"
#include "ui/recovery/RecoveryJournal.h"

namespace orvanta {

namespace {

QString Sentence(const QString& phrase) {
    return phrase.isEmpty() ? phrase : phrase.front().toUpper() + phrase.mid(1);
}

QString Description(const Leftover& leftover, bool restorable) {
    const JournalContents& contents = leftover.contents;
    const QString spins = SpinCountText(static_cast<long long>(contents.spins.size()));
    const QString written = QLocale().toString(leftover.modified, QLocale::ShortFormat);
    QString text =
        contents.file.empty()
            ? QStringLiteral("Its recovery journal, last written %1, holds %2 not yet saved.")
                  .arg(written, spins)
            : QStringLiteral(
                  "Its recovery journal, last written %1, holds %2 of %3, with changes not yet saved.")
                  .arg(written, spins, QFileInfo(FromStd(contents.file)).fileName());
    if (const QString damage = DamageText(contents); !damage.isEmpty()) {
        text += QLatin1Char(' ') + Sentence(damage) +
                (contents.damagedLine > 0
                     ? QStringLiteral("; the history as it stood before that record can be restored.")
                     : QStringLiteral("; the records after it were read."));
    }
    if (const QString aside = SetAsideName(leftover); !aside.isEmpty()) {
        text += QStringLiteral(" As it cannot be read whole, it is not deleted: %1 keeps it as %2.")
                    .arg(restorable ? QStringLiteral("Restore or Discard") : QStringLiteral("Discard"),
                         QFileInfo(aside).fileName());
    }
    return text;
}

QString Heading(std::size_t index, std::size_t count) {
    return count == 1
               ? QStringLiteral("Orvanta did not end cleanly last time.")
               : QStringLiteral("Orvanta did not end cleanly %1 times. Journal %2 of %1, newest first:")
                     .arg(count)
                     .arg(index + 1);
}

QString RestoredText(const JournalContents& contents) {
    QString text = QStringLiteral("Restored %1 from the recovery journal.")
                       .arg(SpinCountText(static_cast<long long>(contents.spins.size())));
    if (contents.damagedLine > 0) {
        text += contents.ReadWhole()
                    ? QStringLiteral(" The journal was damaged at record %1; what came after it is lost.")
                          .arg(contents.damagedLine)
                    : QStringLiteral(" The journal was read up to record %1.").arg(contents.damagedLine);
    }
    return text;
}

// Journals that were set aside or could not be read, said once before the offers.
void ShowNotes(QWidget* parent, const QStringList& notes) {
    if (notes.isEmpty()) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, "Orvanta", "Some recovery journals could not be offered.",
                    QMessageBox::Ok, parent);
    box.setObjectName("recoveryNotice");
    box.setInformativeText(notes.join(QLatin1Char('\n')));
    box.exec();
}

}  // namespace

QString OfferRecovery(QWidget* parent, RecoveryJournal& journal,
                      const std::function<void(const JournalContents&)>& restore) {
    ShowNotes(parent, journal.notes());
    QStringList said;
    bool restored = false;
    std::vector<Leftover>& leftovers = journal.leftovers();
    for (std::size_t i = 0; i < leftovers.size(); ++i) {
        Leftover& leftover = leftovers[i];
        QMessageBox box(QMessageBox::Question, "Orvanta", Heading(i, leftovers.size()), QMessageBox::NoButton,
                        parent);
        box.setObjectName("recoveryOffer");
        QPushButton* restoreButton = nullptr;
        if (restored) {
            box.setInformativeText(
                Description(leftover, false) +
                " The history now holds the spins just restored, which restoring this "
                "journal too would replace: keep it for a later start, when they are saved, "
                "or discard it.");
        } else {
            box.setInformativeText(Description(leftover, true) + " Restore that history?");
            restoreButton = box.addButton("&Restore", QMessageBox::AcceptRole);
        }
        QPushButton* discardButton = box.addButton("&Discard", QMessageBox::DestructiveRole);
        QPushButton* laterButton = box.addButton("&Later", QMessageBox::RejectRole);
        box.setEscapeButton(laterButton);
        box.setDefaultButton(restored ? laterButton : restoreButton);
        box.exec();
        if (restoreButton != nullptr && box.clickedButton() == restoreButton) {
            restore(leftover.contents);
            restored = true;
            said += RestoredText(leftover.contents);
            // The journal goes only once this window's own holds its spins.
            if (journal.isOn()) {
                said += journal.Forget(leftover);
            } else {
                said += QStringLiteral(
                            "The recovery journal could not be written anew, so %1 is kept until "
                            "Orvanta ends cleanly.")
                            .arg(QFileInfo(leftover.path).fileName());
                journal.Keep(leftover);
            }
        } else if (box.clickedButton() == discardButton) {
            said += journal.Forget(leftover);
        } else {
            journal.Release(leftover);
        }
    }
    leftovers.clear();
    said.removeAll(QString());
    return said.join(QLatin1Char(' '));
}

}  // namespace orvanta
