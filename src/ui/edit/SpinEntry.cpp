// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/SpinEntry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <vector>

#include "core/model/NumberTable.h"
#include "core/model/SpinList.h"

#include "ui/QtConvert.h"
#include "ui/StatusLine.h"
#include "ui/edit/HistoryEditor.h"
#include "ui/edit/KeyboardEntry.h"
#include "ui/edit/PendingInsert.h"
#include "ui/files/SpinCount.h"
#include "ui/grid/ResultsGrid.h"
#include "ui/main/MainPage.h"

namespace orvanta {

SpinEntry::SpinEntry(QWidget* window, HistoryEditor& editor, MainPage& page, std::function<bool()> onMainTab)
    : QObject(window),
      editor_(editor),
      page_(page),
      keyboard_(new KeyboardEntry(window, std::move(onMainTab))),
      pendingInsert_(new PendingInsert(this)) {
    connect(&page_, &MainPage::numberClicked, this, &SpinEntry::Enter);
    connect(page_.resultsGrid(), &ResultsGrid::removeRequested, this, &SpinEntry::RemoveSelectedSpin);
    connect(page_.resultsGrid(), &ResultsGrid::insertRequested, this, &SpinEntry::BeginInsert);
    connect(page_.removeButton(), &QPushButton::clicked, this, &SpinEntry::RemoveSelectedSpin);
    // Pressed in while it waits for the number; a second click cancels.
    connect(page_.insertButton(), &QPushButton::clicked, this, [this] {
        if (pendingInsert_->isActive()) {
            pendingInsert_->Cancel();
        } else {
            BeginInsert();
        }
    });

    connect(keyboard_, &KeyboardEntry::typedChanged, this, &SpinEntry::ShowPrompt);
    connect(keyboard_, &KeyboardEntry::entered, this, [this](int n) {
        const bool inserting = pendingInsert_->isActive();
        Enter(n);
        if (!inserting) {
            Say(editor_.isLoading()
                    ? QStringLiteral("%1 is recorded after the spins of the file being read.").arg(n)
                    : QStringLiteral("Recorded %1 as spin %2.").arg(n).arg(editor_.model().SpinCount()));
        }
    });
    connect(keyboard_, &KeyboardEntry::refused, this, &SpinEntry::Say);
    connect(keyboard_, &KeyboardEntry::cancelled, pendingInsert_, &PendingInsert::Cancel);
    // Digits typed before an insertion began, or for one that has ended, are not its number.
    connect(pendingInsert_, &PendingInsert::stateChanged, keyboard_, &KeyboardEntry::Clear);
    connect(pendingInsert_, &PendingInsert::stateChanged, this, &SpinEntry::ShowPrompt);

    // Every change of the history: digits typed before it do not wait for an Enter that
    // means something else by then, and a waiting insertion aims at a spin that may
    // have moved.
    connect(&editor_, &HistoryEditor::changed, this, &SpinEntry::Cancel);
    connect(&editor_, &HistoryEditor::stepUndone, this,
            [this](const QString& step) { Say(QStringLiteral("Undid: %1").arg(step)); });
    connect(&editor_, &HistoryEditor::stepRedone, this,
            [this](const QString& step) { Say(QStringLiteral("Redid: %1").arg(step)); });
}

void SpinEntry::Enter(int n) {
    if (!IsWheelNumber(n)) {
        return;
    }
    if (pendingInsert_->isActive()) {
        InsertChosen(n);
        return;
    }
    const auto spin = static_cast<std::int8_t>(n);
    editor_.Record({&spin, 1});
    PickNewest();
}

void SpinEntry::RecordSpins(std::span<const int> spins, const QString& text) {
    std::vector<std::int8_t> valid;
    valid.reserve(spins.size());
    for (const int n : spins) {
        if (IsWheelNumber(n)) {
            valid.push_back(static_cast<std::int8_t>(n));
        }
    }
    pendingInsert_->Cancel();
    editor_.Record(valid, text);
    PickNewest();
}

void SpinEntry::PasteSpins() {
    const SpinList list = ParseSpinList(QGuiApplication::clipboard()->text().toStdString());
    if (!list.ok()) {
        Say(QStringLiteral("Nothing was pasted: entry %1, \"%2\", is not a wheel number (0 to 36).")
                .arg(list.badPosition)
                .arg(FromStd(list.badEntry)));
        return;
    }
    if (list.spins.empty()) {
        Say("Nothing was pasted: the clipboard holds no spins.");
        return;
    }
    const QString spins = SpinCountText(static_cast<long long>(list.spins.size()));
    RecordSpins(list.spins, QStringLiteral("Paste %1").arg(spins));
    Say(QStringLiteral("Pasted %1; Edit > Undo takes them back.").arg(spins));
}

void SpinEntry::RemoveSelectedSpin() {
    const int slot = page_.resultsGrid()->SelectedSlot();
    if (slot == 0) {
        Say("There is no spin to remove.");
        return;
    }
    const int n = editor_.model().SpinAt(slot);
    editor_.Remove(slot);
    Say(QStringLiteral("Removed spin %1 (%2). Edit > Undo puts it back.").arg(slot).arg(n));
}

void SpinEntry::BeginInsert() {
    const int slot = page_.resultsGrid()->SelectedSlot();
    if (slot == 0) {
        page_.insertButton()->setChecked(false);
        Say("There is no spin to insert before: click a number on the table to record it.");
        return;
    }
    pendingInsert_->Start(slot);
}

void SpinEntry::Cancel() {
    pendingInsert_->Cancel();
    keyboard_->Clear();
}

void SpinEntry::InsertChosen(int n) {
    const int position = pendingInsert_->position();
    pendingInsert_->Cancel();
    editor_.Insert(position, n);
    Say(QStringLiteral("Inserted %1 as spin %2.").arg(n).arg(position));
}

void SpinEntry::PickNewest() {
    page_.resultsGrid()->SelectSlot(editor_.model().SpinCount());
}

void SpinEntry::ShowPrompt() {
    StatusLine* status = page_.statusLine();
    page_.insertButton()->setChecked(pendingInsert_->isActive());
    const QString typed = keyboard_->typed();
    if (!pendingInsert_->isActive()) {
        status->SetPrompt(typed.isEmpty()
                              ? QString()
                              : QStringLiteral("Typed: %1 (Enter records it, Esc cancels)").arg(typed));
        return;
    }
    const int slot = pendingInsert_->position();
    QString text = QStringLiteral(
                       "Insert before spin %1 (%2): click the number on the table, or type it and press "
                       "Enter. Esc cancels.")
                       .arg(slot)
                       .arg(editor_.model().SpinAt(slot));
    if (!typed.isEmpty()) {
        text += QStringLiteral(" Typed: %1").arg(typed);
    }
    status->SetPrompt(text);
}

void SpinEntry::Say(const QString& text) {
    if (!text.isEmpty()) {
        page_.statusLine()->Post(text);
    }
}

}  // namespace orvanta
