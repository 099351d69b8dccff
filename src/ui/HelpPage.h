// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextBrowser;

namespace orvanta {

// Where help.rtf is looked for: beside the program, then in the installed data folder.
QStringList HelpFileCandidates();

// Shows the first help.rtf found among the candidates; when there is none, a line that
// names where it looked. Returns whether a help file was shown.
bool LoadHelpPage(QTextBrowser* browser, const QStringList& candidates);

}  // namespace orvanta
