// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <QStringList>

#include <functional>

namespace orvanta {

// txtMessages, the program's status line: how many spins the history holds, then the
// last few things the program had to tell (a file loaded or saved, a note on an
// analysis), newest first so that the newest stays in view under the count. The user
// reads it and may copy from it; nothing is typed into it.
class StatusLine : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kKeptMessages = 4;

    StatusLine(std::function<int()> spinCount, QWidget* parent);

    void Post(const QString& message);

    // A line that stands under the count while something waits for the user (a spin
    // being typed, an insertion waiting for its number) and is replaced as it changes;
    // it is not kept among the messages. An empty text takes it away.
    void SetPrompt(const QString& prompt);
    const QString& prompt() const { return prompt_; }

    // The history changed. The count is shown when the event loop next runs, so a
    // click stays cheap and a load that changes it once per spin redraws it once.
    void CountChanged();

    const QStringList& messages() const { return messages_; }

private:
    void Show();

    std::function<int()> spinCount_;
    QStringList messages_;  // newest first
    QString prompt_;
    bool countPending_ = false;
};

}  // namespace orvanta
