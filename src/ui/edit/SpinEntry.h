// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <span>

class QWidget;

namespace orvanta {

class HistoryEditor;
class KeyboardEntry;
class MainPage;
class PendingInsert;

// The one way a number comes in: a click on the table, digits typed on the Main tab,
// or the clipboard's list. A number is a new spin, or the one a waiting "Insert Item"
// puts before the chosen spin. A new spin moves the pick to the newest spin, so a
// correction never hits a spin picked before it. Says what it did on the status line.
class SpinEntry : public QObject {
    Q_OBJECT
public:
    // onMainTab: whether typed digits are numbers now.
    SpinEntry(QWidget* window, HistoryEditor& editor, MainPage& page, std::function<bool()> onMainTab);

    // A number chosen on the table or typed: a new spin, or the one being inserted.
    void Enter(int n);
    // Spins after the newest as one undo step; numbers off the wheel are left out.
    void RecordSpins(std::span<const int> spins, const QString& text = {});
    // Edit > Paste Spins: the clipboard's numbers, all checked first, as one step.
    void PasteSpins();
    void RemoveSelectedSpin();
    // "Insert Item": waits for the number to put before the picked spin.
    void BeginInsert();
    // Drops typed digits and a waiting insertion (another tab, a load).
    void Cancel();

    const KeyboardEntry& keyboard() const { return *keyboard_; }

private:
    void ShowPrompt();
    void InsertChosen(int n);
    void PickNewest();
    void Say(const QString& text);

    HistoryEditor& editor_;
    MainPage& page_;
    KeyboardEntry* keyboard_;
    PendingInsert* pendingInsert_;
};

}  // namespace orvanta
