// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/OutputListView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/calc/OutputLines.h"

namespace orvanta {

namespace {

QAction* AddAction(QWidget* view, const QString& name, const QString& caption, const QKeySequence& keys) {
    auto* action = new QAction(caption, view);
    action->setObjectName(name);
    action->setShortcut(keys);
    // The keys act while the list has the focus, never elsewhere in the window.
    action->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(action);
    return action;
}

}  // namespace

OutputListView::OutputListView(OutputLines* lines, QWidget* parent) : QListView(parent), lines_(lines) {
    setModel(lines);
    // Every row is one line of text: the view then places rows by arithmetic instead
    // of measuring each one, whatever the number of lines.
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);

    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(AddAction(this, "actCopyOutput", "&Copy", QKeySequence::Copy), &QAction::triggered, this,
            &OutputListView::CopySelection);
    connect(AddAction(this, "actSelectAllOutput", "Select &All", QKeySequence::SelectAll),
            &QAction::triggered, this, &QListView::selectAll);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    connect(AddAction(this, "actClearOutput", "C&lear", QKeySequence()), &QAction::triggered, lines,
            &OutputLines::Clear);
}

QString OutputListView::SelectedText() const {
    // Ranges rather than single indexes: a selection of a million lines is one range.
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        ranges.emplace_back(range.top(), range.bottom());
    }
    std::sort(ranges.begin(), ranges.end());
    QString text;
    int next = 0;  // the first row not yet copied
    bool anyCopied = false;
    for (const auto& [top, bottom] : ranges) {
        const int first = std::max(top, next);
        if (first > bottom) {
            continue;
        }
        if (anyCopied) {
            text += QLatin1Char('\n');
        }
        anyCopied = true;
        text += lines_->LinesText(first, bottom);
        next = bottom + 1;
    }
    return text;
}

void OutputListView::keyPressEvent(QKeyEvent* event) {
    // The item view's own Copy takes the current line alone; the list copies every
    // selected line.
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void OutputListView::CopySelection() {
    if (selectionModel()->hasSelection()) {
        QGuiApplication::clipboard()->setText(SelectedText());
    }
}

}  // namespace orvanta
