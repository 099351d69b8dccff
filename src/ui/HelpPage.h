// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextBrowser;
class QWidget;

namespace orvanta {

// RichText1 on the Help page, read-only; it fills the page as the window grows.
QTextBrowser* CreateHelpView(QWidget* page);

// Where help.rtf is looked for: beside the program, then in the installed data folder.
QStringList HelpFileCandidates();

// The largest help document read; the one that comes with the program is a few dozen KB.
inline constexpr qint64 kMaxHelpDocumentBytes = 16 * 1024 * 1024;

// Shows the first help.rtf found among the candidates that is a regular file of at
// most kMaxHelpDocumentBytes; when there is none, what was wrong with each, or where
// it looked. Returns whether a help file was shown. A click on a link of the page
// scrolls to the section it names, or opens a web address in the desktop's browser;
// no link replaces the page.
bool LoadHelpPage(QTextBrowser* browser, const QStringList& candidates);

}  // namespace orvanta
