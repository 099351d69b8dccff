// SPDX-License-Identifier: GPL-3.0-or-later

// Files a user may open by mistake, damaged ones, huge ones and ones that change
// while they are read, all through the window's real load command. Whatever the
// file, the load ends with a message or with the spins, never a crash, and the
// history, tallies, grid and charts agree afterwards.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/charts/ChartStatistics.h"

#include "ui/MainWindow.h"
#include "ui/charts/StatChart.h"

#include "support/GridReading.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::CellText;

// The process's peak resident memory in MB, and a way to start a new peak, so
// that a test can show what one load cost.
long PeakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6)) / 1024;
        }
    }
    return -1;
}

void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

using HostileFileTest = testing::WindowWithFilesTest;

QByteArray Repeated(const QByteArray& part, int times) {
    QByteArray bytes;
    bytes.reserve(part.size() * times);
    for (int i = 0; i < times; ++i) {
        bytes += part;
    }
    return bytes;
}

struct HostileRow {
    const char* name;
    QByteArray bytes;
    std::vector<int> spins;
    const char* message;  // a part of the message; "" when the load succeeds
};

void PrintTo(const HostileRow& row, std::ostream* out) {
    *out << row.name;
}

class HostileFiles : public HostileFileTest, public ::testing::WithParamInterface<HostileRow> {};

// The spins before a load. A file whose very first field is unusable is no results
// file: they stay, and so do the grid and the charts.
const std::vector<int> kSession{1, 2, 3, 4};

TEST_P(HostileFiles, EndWithTheSpinsOrAMessage) {
    const HostileRow& row = GetParam();
    for (const int n : kSession) {
        window_.AddResult(n);
    }
    const bool ok = window_.LoadResultsFileFrom(Write("hostile.dat", row.bytes));
    const std::string message = TakeMessage();
    EXPECT_EQ(ok, std::string(row.message).empty()) << message;
    EXPECT_NE(message.find(row.message), std::string::npos) << message << "\nlacks: " << row.message;
    if (!ok) {
        EXPECT_NE(message.find("hostile.dat"), std::string::npos) << message;
    }
    if (row.spins == kSession) {
        EXPECT_NE(message.find("is not a results file"), std::string::npos) << message;
        EXPECT_NE(message.find("Nothing was changed."), std::string::npos) << message;
    }
    EXPECT_EQ(Spins(), row.spins);
    ExpectViewsAgreeWithTheHistory();
}

const QByteArray kTenMegabytes = QByteArray(10 * 1024 * 1024, '1');

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFiles,
    ::testing::Values(
        HostileRow{"BinaryData",
                   QByteArray("\x7f"
                              "ELF\x02\x01\x01\0\0\0",
                              10),
                   kSession, "line 1, field 1: '\\x7FELF"},
        HostileRow{"PictureAfterSpins",
                   QByteArray("7\r\n\x89PNG\r\n\x1a\n\0\0", 13),
                   {7},
                   "line 2, field 1: '\\x89PNG'"},
        HostileRow{"NulInsideANumber",
                   QByteArray("5\r\n1\0"
                              "7\r\n",
                              7),
                   {5},
                   "line 2, field 1: '1\\x007'"},
        HostileRow{"OnlyNulBytes", QByteArray(4096, '\0'), kSession, "line 1, field 1: '\\x00\\x00"},
        HostileRow{"Utf8ByteOrderMark",
                   "\xEF\xBB\xBF"
                   "7 \r\n17\r\n",
                   {7, 17},
                   ""},
        HostileRow{"Utf16LittleEndian",
                   QByteArray("\xFF\xFE"
                              "7\0\r\0\n\0",
                              8),
                   kSession, "line 1, field 1: '\\xFF\\xFE7\\x00'"},
        HostileRow{"Utf16BigEndian",
                   QByteArray("\xFE\xFF\0"
                              "7\0\r\0\n",
                              8),
                   kSession, "line 1, field 1: '\\xFE\\xFF\\x007\\x00'"},
        HostileRow{"SpreadsheetExport", "\"Spin\",\"Time\"\r\n7,12:00\r\n", kSession,
                   "'Spin' is not a number"},
        HostileRow{"HugeNumbers", "1e400\r\n", kSession, "is not a wheel number"},
        HostileRow{"TenMegabyteLineOfDigits", kTenMegabytes, kSession, "is too long to be a wheel number"},
        HostileRow{"TenMegabyteLineOfBlanks", QByteArray(10 * 1024 * 1024, ' ') + "36\r\n", {36}, ""},
        HostileRow{"TenMegabyteQuotedField", '"' + QByteArray(10 * 1024 * 1024, ',') + '"', kSession,
                   "is too long"},
        HostileRow{"LongLineOfSpins", Repeated("17,", 100000) + "0",
                   [] {
                       std::vector<int> spins(100000, 17);
                       spins.push_back(0);
                       return spins;
                   }(),
                   ""}));

TEST_F(HostileFileTest, AFolderIsNoFileAndChangesNothing) {
    Spin({9, 10});
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.dat"));
    EXPECT_FALSE(window_.LoadResultsFileFrom(Path("folder.dat")));
    EXPECT_NE(TakeMessage().find("folder.dat"), std::string::npos);
    EXPECT_EQ(Spins(), (std::vector{9, 10}));
    ExpectViewsAgreeWithTheHistory();
}

// The file is read in chunks: 100 MB costs no more memory than a small file.
// Records padded with blanks make the file large without making the load slow.
TEST_F(HostileFileTest, AHundredMegabyteFileIsReadInBoundedMemory) {
    constexpr int kRecords = 100'000;
    QByteArray bytes;
    bytes.reserve(kRecords * 1000);
    for (int i = 0; i < kRecords; ++i) {
        QByteArray record = QByteArray::number(i % 37);
        record += QByteArray(998 - record.size(), ' ');
        bytes += record + "\r\n";
    }
    const QString path = Write("huge.dat", bytes);
    bytes = QByteArray();

    ResetPeakResident();
    const long before = PeakResidentMegabytes();
    ASSERT_TRUE(window_.LoadResultsFileFrom(path));
    const long growth = PeakResidentMegabytes() - before;
    EXPECT_EQ(TakeMessage(), "");
    ASSERT_EQ(window_.model().SpinCount(), kRecords);
    EXPECT_EQ(window_.model().SpinAt(kRecords), (kRecords - 1) % 37);
    EXPECT_LT(growth, 40) << "MB for a 100 MB file";
    ExpectViewsAgreeWithTheHistory();
}

TEST_F(HostileFileTest, AFileRemovedWhileItIsReadLoadsWhatWasOpened) {
    const QString path = Write("vanishing.dat", Repeated("5 \r\n", 20'000));
    QTimer::singleShot(0, &window_, [&] { EXPECT_TRUE(QFile::remove(path)); });
    EXPECT_TRUE(window_.LoadResultsFileFrom(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(TakeMessage(), "");
    EXPECT_EQ(window_.model().SpinCount(), 20'000);
    ExpectViewsAgreeWithTheHistory();
}

// Cut in the middle of a record ("3" of "36"): the cut-off record is no spin 3,
// and the user is told the file changed.
TEST_F(HostileFileTest, AFileCutShortWhileItIsReadKeepsOnlyWholeRecords) {
    constexpr int kRecords = 100'000;
    constexpr int kKept = 60'000;
    const QString path = Write("shrinking.dat", Repeated("36\r\n", kRecords));
    QTimer::singleShot(0, &window_, [&] { EXPECT_TRUE(QFile::resize(path, kKept * 4 + 1)); });
    EXPECT_FALSE(window_.LoadResultsFileFrom(path));
    const std::string message = TakeMessage();
    EXPECT_NE(message.find("shrinking.dat\" became shorter while it was read"), std::string::npos) << message;
    EXPECT_NE(message.find("The 60,000 spins read before that are kept"), std::string::npos) << message;
    EXPECT_EQ(window_.model().SpinCount(), kKept);
    EXPECT_EQ(window_.model().Tallies().N12Count[3], kKept);
    ExpectViewsAgreeWithTheHistory();
}

// A million spins: the grid scrolls through all of them, the charts' counts go
// past 32,767 and the analysis lists past 1024 entries. Under the sanitizers a
// tenth of that, still past every one of those limits, keeps the suite quick.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kManySpins = 100'000;
#else
constexpr int kManySpins = 1'000'000;
#endif

TEST_F(HostileFileTest, AMillionSpinsReachEveryView) {
    constexpr int kSpins = kManySpins;
    QByteArray bytes;
    bytes.reserve(kSpins * 4);
    for (int i = 0; i < kSpins; ++i) {
        bytes += i % 2 == 0 ? "1 \r\n" : "2 \r\n";  // red, black, red, ...
    }
    ASSERT_TRUE(window_.LoadResultsFileFrom(Write("million.dat", bytes)));
    ASSERT_EQ(window_.model().SpinCount(), kSpins);
    ExpectViewsAgreeWithTheHistory();

    auto* scroll = window_.findChild<QScrollBar*>("ScrollMain");
    EXPECT_EQ(scroll->maximum(), kSpins - 19);
    scroll->setValue(scroll->maximum());
    const auto* grid = window_.findChild<QTableView*>("FlexGrid1");
    EXPECT_EQ(CellText(grid, 1, 0), "19");
    EXPECT_EQ(CellText(grid, 19, 0), "1");
    EXPECT_EQ(CellText(grid, 19, 1), " 1");

    const auto* colour = window_.findChild<StatChart*>("ChartColor_1");
    ASSERT_NE(colour, nullptr);
    std::vector<std::string> counts;
    for (const ChartPoint& point : colour->model().Points) {
        counts.push_back(point.CountLabel);
    }
    EXPECT_NE(std::find(counts.begin(), counts.end(), std::string(" ").append(std::to_string(kSpins / 2))),
              counts.end());

    auto* category = window_.findChild<QComboBox*>("cboPastResults");
    category->setCurrentText("Color");
    window_.findChild<QSlider*>("sldLength")->setValue(1);
    window_.findChild<QPushButton*>("cmdPastResultsCalc")->click();
    const auto* list1 = window_.findChild<QScrollBar*>("ScrollS1");
    EXPECT_GT(list1->maximum(), 1024);
    EXPECT_EQ(window_.model().SpinCount(), kSpins);
}

}  // namespace
}  // namespace orvanta
