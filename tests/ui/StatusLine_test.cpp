// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StatusLine.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// The count first, then the newest messages; a load raises the count once per spin, and
// it is read once, when the event loop runs.
TEST(StatusLine, ShowsTheCountAndTheNewestMessages) {
    int reads = 0;
    int count = 0;
    StatusLine line(
        [&] {
            ++reads;
            return count;
        },
        nullptr);
    EXPECT_TRUE(line.isReadOnly());
    for (int i = 1; i <= StatusLine::kKeptMessages + 2; ++i) {
        line.Post(QStringLiteral("message %1").arg(i));
    }
    reads = 0;
    for (count = 1; count <= 100; ++count) {
        line.CountChanged();
    }
    EXPECT_EQ(reads, 0);
    QApplication::processEvents();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(line.toPlainText(), "Spins recorded: 101\nmessage 6\nmessage 5\nmessage 4\nmessage 3");
}

}  // namespace
}  // namespace orvanta
