// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "ui/files/ResultsFileDialog.h"
#include "ui/files/SaveQuestion.h"

class QAction;
class QMainWindow;
class QMenu;

namespace orvanta {

class HistoryEditor;
class StatusLine;
struct TransferOutcome;

// The history as a document, the way desktop editors treat theirs: File > New, Open,
// Open Recent, Save (the current file at once, a name asked only when there is none),
// Save As; the caption naming the file with the modified mark; and the question before
// unsaved spins would be lost.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFileCount = 8;

    // closing: the program is closing, so a load or save in progress stops.
    DocumentCommands(QMainWindow* window, HistoryEditor& editor, StatusLine* status,
                     std::function<bool()> closing);

    // New, Open..., Open Recent, Save, Save As... at the top of the File menu.
    void AddTo(QMenu* file);

    bool New();
    void Open();
    bool Save();
    bool SaveAs();

    // Everything Open and Save do once a file has been chosen. A failure is shown in a
    // message box; both return whether the command succeeded.
    bool LoadResultsFileFrom(const QString& path);
    bool SaveResultsFileTo(const QString& path);

    // Save, Discard or Cancel when the history holds unsaved spins: true to go on.
    bool ConfirmUnsavedSpins(NextStep next);

    // The files last opened or saved that still exist, newest first.
    QStringList recentFiles() const;

private:
    void UpdateCaption();
    void RememberRecent(const QString& path);
    void FillRecentMenu();
    // done: what a success says ("Loaded %1 from \"%2\"."): the spins, the file's name.
    void Report(const TransferOutcome& outcome, const QString& path, const char* done);
    void ShowStatus(const QString& text);
    void ShowFailure(const QString& message);
    // Runs one file command unless another is running; false when refused.
    bool RunFileCommand(const std::function<bool()>& command);

    QMainWindow* window_;
    HistoryEditor& editor_;
    StatusLine* status_;
    std::function<bool()> closing_;
    ResultsFileDialog fileDialog_;
    QMenu* recentMenu_ = nullptr;
    bool running_ = false;
};

}  // namespace orvanta
