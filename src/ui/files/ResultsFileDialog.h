// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

namespace orvanta {

// The Open and Save dialogs of results files. Each starts with "*.dat" in its name box,
// so the list shows the results files of the folder; the filters are the results files
// and all files, and a name typed without an extension gets ".dat". A dialog starts in
// the folder last chosen, in this run or an earlier one, else in the user's documents
// folder, else the home folder.
class ResultsFileDialog {
public:
    static constexpr const char* kNamePattern = "*.dat";

    // The file the user chose, or "" when the dialog was cancelled. suggested: a file
    // whose folder the dialog starts in and whose name it offers (Save As).
    QString Choose(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suggested = {});

    static QString StartFolder();
};

}  // namespace orvanta
