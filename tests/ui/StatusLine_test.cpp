// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StatusLine.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(StatusLine, ShowsTheCountThenTheNewestMessagesFirst) {
    int count = 0;
    StatusLine line([&count] { return count; }, nullptr);
    EXPECT_TRUE(line.isReadOnly());
    EXPECT_EQ(line.toPlainText(), "Spins recorded: 0");
    for (int i = 1; i <= StatusLine::kKeptMessages + 2; ++i) {
        line.Post(QStringLiteral("message %1").arg(i));
    }
    EXPECT_EQ(line.messages(), QStringList({"message 6", "message 5", "message 4", "message 3"}));
    EXPECT_EQ(line.toPlainText(), "Spins recorded: 0\nmessage 6\nmessage 5\nmessage 4\nmessage 3");
}

// A load raises the change once per spin; the count is read once the event loop runs.
TEST(StatusLine, CountChangesAreCoalesced) {
    int reads = 0;
    int count = 0;
    StatusLine line(
        [&] {
            ++reads;
            return count;
        },
        nullptr);
    reads = 0;
    for (count = 1; count <= 100; ++count) {
        line.CountChanged();
    }
    EXPECT_EQ(reads, 0);
    QApplication::processEvents();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(line.toPlainText(), "Spins recorded: 101");
}

}  // namespace
}  // namespace orvanta
