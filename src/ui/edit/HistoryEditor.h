// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include "core/model/SpinModel.h"

class QUndoStack;

namespace orvanta {

class RecoveryJournal;

// One change of the history: removed spins taken out at position and inserted ones
// put there. A replacement (a load, a restore) changes everything.
struct HistoryChange {
    int position = 1;
    int removed = 0;
    int inserted = 0;
    bool replaced = false;
};

// Every change of the history goes through here: recorded spins and corrections as
// steps of the undo history, loads and restores around it. Each change reaches the
// recovery journal as it happens and is announced by changed(), which the window's
// views follow. Whether the history differs from its file is the undo history's clean
// state.
class HistoryEditor : public QObject {
    Q_OBJECT
public:
    HistoryEditor(SpinModel& model, QObject* parent);

    QUndoStack* undoStack() const { return undoStack_; }
    void setJournal(RecoveryJournal* journal) { journal_ = journal; }

    // One undo step each. text names the step ("Spin 17"); empty for the usual name.
    void Record(std::span<const std::int8_t> spins, const QString& text = {});
    void Insert(int position, int n);
    void Remove(int position);

    // What the steps do and undo.
    void ApplyInsert(int position, std::span<const std::int8_t> spins);
    void ApplyRemove(int position, int count);

    // A load replays a file outside the undo history: BeginLoad empties the history
    // and starts a fresh undo history, AppendLoaded records one stored spin, EndLoad
    // writes the whole history to the journal as one block. complete: the whole file
    // was read, so the history is the file's.
    void BeginLoad();
    void AppendLoaded(int n);
    void EndLoad(const QString& file, bool complete);

    // The history of a run that did not end cleanly, counted as unsaved.
    void Restore(std::span<const std::int8_t> spins, const QString& file);

    // The history was written to file. unchanged: nothing was recorded while it was
    // written, so the file holds exactly the history.
    void MarkSaved(const QString& file, bool unchanged);

    bool isModified() const;
    // Counts the changes of the history, so that a command that yields to the window
    // can tell whether anything changed meanwhile.
    quint64 version() const { return version_; }
    // The results file last opened or saved; empty before the first.
    QString fileName() const { return fileName_; }

signals:
    void changed(const HistoryChange& change);
    // The history came to differ from its file, or to match it; or the file changed.
    void stateChanged();

private:
    void Announce(const HistoryChange& change);

    SpinModel& model_;
    QUndoStack* undoStack_;
    RecoveryJournal* journal_ = nullptr;
    QString fileName_;
    quint64 version_ = 0;
};

}  // namespace orvanta
