// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListView>

namespace orvanta {

class OutputLines;

// The calculator's output list on screen: one row a line, scrolled by pixel, lines
// selectable and copied with Ctrl+C or the context menu, which also clears the list.
class OutputListView : public QListView {
    Q_OBJECT
public:
    explicit OutputListView(OutputLines* lines, QWidget* parent = nullptr);

    // The selected lines, top to bottom, joined by line feeds, to the clipboard.
    void CopySelection();
    QString SelectedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    OutputLines* lines_;
};

}  // namespace orvanta
