// SPDX-License-Identifier: GPL-3.0-or-later

// Names that are not files: named pipes, with or without a program at the other end,
// terminals and endless devices. Opening or saving one never leaves the window deaf:
// it is refused with a message naming it, or read without waiting.
#include <QFileInfo>
#include <QTimer>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "ui/MainWindow.h"

#include "support/EventGaps.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

// How long the window may go without handling an event while it opens a file.
constexpr qint64 kLongestGapMs = 100 * testing::kSlowdown;

// Frees a load or save that waits on the other end of a pipe or terminal, after two
// seconds, so that a window that does wait fails the test instead of hanging it.
class Unblocker {
public:
    explicit Unblocker(std::function<void()> release)
        : thread_([release = std::move(release)](std::stop_token stop) {
              std::mutex mutex;
              std::condition_variable_any wake;
              std::unique_lock lock(mutex);
              wake.wait_for(lock, stop, std::chrono::seconds(2), [] { return false; });
              if (!stop.stop_requested()) {
                  release();
              }
          }) {}

private:
    std::jthread thread_;
};

// Reads everything a pipe or terminal end gives until its writer closes it.
void Drain(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    char buffer[4096];
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
}

// A name, what holds its other end while the command runs, and how to free a
// command that waits on it.
struct Other {
    QString path;
    int fd = -1;
    std::function<void()> release;
};

struct NotAFileRow {
    const char* name;
    bool save;
    std::function<Other(const QString& folder)> make;
    const char* message;  // a part of the message
};

void PrintTo(const NotAFileRow& row, std::ostream* out) {
    *out << row.name;
}

using DeviceTest = testing::WindowWithFilesTest;

class NotAFile : public DeviceTest, public ::testing::WithParamInterface<NotAFileRow> {};

TEST_P(NotAFile, IsRefusedWithoutKeepingTheWindowWaiting) {
    const NotAFileRow& row = GetParam();
    for (int i = 0; i < 20'000; ++i) {
        window_.AddResult(i % 37);  // 80 KB: more than a pipe holds
    }
    Other other = row.make(folder_.path());
    ASSERT_FALSE(other.path.isEmpty());
    bool finished = false;
    bool ok = true;
    testing::EventGaps gaps;
    {
        Unblocker unblocker(other.release);
        QTimer::singleShot(0, &window_, [&] {
            ok = row.save ? window_.SaveResultsFileTo(other.path) : window_.LoadResultsFileFrom(other.path);
            finished = true;
        });
        ASSERT_TRUE(gaps.RunUntil([&] { return finished; }, 10'000));
    }
    const std::string message = TakeMessage();
    if (other.fd >= 0) {
        ::close(other.fd);
    }
    EXPECT_LT(gaps.longestMs(), kLongestGapMs);
    EXPECT_FALSE(ok);
    EXPECT_NE(message.find(QFileInfo(other.path).fileName().toStdString()), std::string::npos) << message;
    EXPECT_NE(message.find(row.message), std::string::npos) << message;
    EXPECT_EQ(window_.model().SpinCount(), 20'000);
}

Other Fifo(const QString& folder) {
    const QString path = folder + "/pipe.dat";
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return {path, -1, {}};
}

// A terminal with nothing typed: the reading end of a pseudo-terminal.
Other Terminal(const QString&) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        return {};
    }
    // End of input (Ctrl+D) lets a read that waits return.
    return {QString::fromLocal8Bit(::ptsname(master)), master,
            [master] { (void)::write(master, "\x04", 1); }};
}

INSTANTIATE_TEST_SUITE_P(
    Names, NotAFile,
    ::testing::Values(NotAFileRow{"OpenAPipeNobodyWrites", false,
                                  [](const QString& folder) {
                                      Other pipe = Fifo(folder);
                                      const QByteArray name = QFile::encodeName(pipe.path);
                                      pipe.release = [name] {
                                          ::close(::open(name.constData(), O_WRONLY | O_NONBLOCK));
                                      };
                                      return pipe;
                                  },
                                  "is a named pipe"},
                      NotAFileRow{"OpenAPipeWhoseWriterSendsNothing", false,
                                  [](const QString& folder) {
                                      Other pipe = Fifo(folder);
                                      // Both ends at once: a writer that never writes.
                                      pipe.fd = ::open(QFile::encodeName(pipe.path).constData(), O_RDWR);
                                      // Putting /dev/null in its place closes the writing end.
                                      pipe.release = [fd = pipe.fd] {
                                          const int nothing = ::open("/dev/null", O_RDONLY);
                                          ::dup2(nothing, fd);
                                          ::close(nothing);
                                      };
                                      return pipe;
                                  },
                                  "is a named pipe"},
                      NotAFileRow{"SaveToAPipeNobodyReads", true,
                                  [](const QString& folder) {
                                      Other pipe = Fifo(folder);
                                      const QByteArray name = QFile::encodeName(pipe.path);
                                      pipe.release = [name] {
                                          Drain(::open(name.constData(), O_RDONLY | O_NONBLOCK));
                                      };
                                      return pipe;
                                  },
                                  "is a named pipe"},
                      NotAFileRow{"OpenATerminalWithNothingTyped", false, Terminal, "has nothing to read"}),
    [](const auto& info) { return std::string(info.param.name); });

// Endless devices answer at once: a load reads until the first field that is no
// spin, and says so.
TEST_F(DeviceTest, EndlessDevicesEndWithAMessageAtOnce) {
    for (const QString device : {"/dev/zero", "/dev/urandom"}) {
        testing::EventGaps gaps;
        bool finished = false;
        QTimer::singleShot(0, &window_, [&] {
            EXPECT_FALSE(window_.LoadResultsFileFrom(device));
            finished = true;
        });
        ASSERT_TRUE(gaps.RunUntil([&] { return finished; }, 10'000));
        EXPECT_LT(gaps.longestMs(), kLongestGapMs) << device.toStdString();
        EXPECT_NE(TakeMessage().find(device.toStdString()), std::string::npos);
    }
}

}  // namespace
}  // namespace orvanta
