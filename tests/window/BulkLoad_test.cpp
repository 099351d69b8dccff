// SPDX-License-Identifier: GPL-3.0-or-later

// A load builds the new history beside the old one and replaces it in one step, the
// views following once. Whatever the file, the window must end exactly as if its
// fields had been read one by one and each spin entered by hand.
#include <QAction>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/files/ResultsFile.h"
#include "core/stats/WheelBias.h"

#include "ui/files/SpinCount.h"
#include "ui/stats/WheelBiasWindow.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

enum class FileKind { Good, BadFieldInTheMiddle, Empty, NoSpin };

struct BulkRow {
    const char* name;
    FileKind kind;
    bool wheelBiasOpen;
};

void PrintTo(const BulkRow& row, std::ostream* out) {
    *out << row.name;
}

// A file as people and other programs write them: mostly the program's own records,
// some in other shapes, and for some kinds one field that is no wheel number.
QByteArray RandomFile(std::mt19937& random, FileKind kind) {
    static constexpr const char* kShapes[] = {"%1 \r\n", "%1\r\n",    "%1\n",       "%1\r",
                                              "%1,",     " %1\t\r\n", "\"%1\"\r\n", "%1.0\r\n"};
    static constexpr const char* kBadFields[] = {"38", "x7", "1e5", "--", "3 6"};
    if (kind == FileKind::Empty) {
        return {};
    }
    const int records = std::uniform_int_distribution<int>(1, 40'000)(random);
    const int bad = kind == FileKind::NoSpin ? 0
                    : kind == FileKind::BadFieldInTheMiddle
                        ? std::uniform_int_distribution<int>(1, records)(random)
                        : -1;
    QByteArray bytes;
    for (int i = 0; i <= records; ++i) {
        if (i == bad) {
            bytes += kBadFields[random() % std::size(kBadFields)];
            bytes += "\r\n";
        }
        const char* shape = random() % 4 != 0 ? kShapes[0] : kShapes[random() % std::size(kShapes)];
        bytes += QString(shape).arg(random() % 37).toLatin1();
    }
    return bytes;
}

class BulkLoad : public testing::WindowWithFilesTest, public ::testing::WithParamInterface<BulkRow> {};

TEST_P(BulkLoad, EndsAsEnteringTheFilesSpinsOneByOne) {
    const BulkRow& row = GetParam();
    window_.show();
    WheelBiasWindow* bias = nullptr;
    int biasRefreshes = 0;
    if (row.wheelBiasOpen) {
        find<QAction>("mnu_WheelBias")->trigger();
        bias = find<WheelBiasWindow>("frmWheelBias");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bias));
        QObject::connect(bias->findChild<QTableView*>("grdBiasNumbers")->model(),
                         &QAbstractItemModel::dataChanged, [&] { ++biasRefreshes; });
    }
    Spin({1, 2, 3});
    QTest::qWait(bias != nullptr ? WheelBiasWindow::kRefreshSpacingMs + 50 : 0);
    std::mt19937 random(static_cast<unsigned>(row.kind) * 2 + row.wheelBiasOpen);
    for (int round = 0; round < 6; ++round) {
        const QByteArray bytes = RandomFile(random, row.kind);
        const QString path = Write("random.dat", bytes);

        // The file read field by field, and each spin entered as a click would.
        ResultsFileReader reader;
        reader.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        reader.Finish();
        std::vector<int> read;
        std::optional<ResultsField> stop;
        while (const auto field = reader.Next()) {
            if (field->IsSpin()) {
                read.push_back(field->number);
            } else {
                stop = field;
            }
        }
        const bool replaces = !read.empty() || !stop;
        const std::vector<int> expected = replaces ? read : Spins();
        QString message;
        if (stop && replaces) {
            message =
                QStringLiteral("Loading \"%1\" stopped at %2. The %3 before it %4 kept.")
                    .arg(path, QString::fromStdString(DescribeUnusableField(*stop)),
                         SpinCountText(static_cast<long long>(read.size())), read.size() == 1 ? "is" : "are");
        } else if (stop) {
            message = QStringLiteral("\"%1\" is not a results file: %2. Nothing was changed.")
                          .arg(path, QString::fromStdString(DescribeUnusableField(*stop)));
        }

        biasRefreshes = 0;
        EXPECT_EQ(window_.LoadResultsFileFrom(path), !stop);
        EXPECT_EQ(TakeMessage(), message.toStdString()) << "round " << round;
        if (!stop) {
            EXPECT_EQ(testing::LatestMessage(window_),
                      QStringLiteral("Loaded %1 from \"random.dat\".")
                          .arg(SpinCountText(static_cast<long long>(read.size())))
                          .toStdString());
        }
        ASSERT_EQ(Spins(), expected) << "round " << round;
        ExpectViewsAgreeWithTheHistory();
        if (bias != nullptr) {
            // Studied once, after the load, not while the file was read.
            QTest::qWait(WheelBiasWindow::kRefreshSpacingMs + 50);
            const WheelBiasReport replayed = ComputeWheelBias(window_.model().Spins());
            EXPECT_EQ(bias->report().spins, replayed.spins);
            EXPECT_EQ(bias->report().chiSquare, replayed.chiSquare);
            EXPECT_EQ(biasRefreshes, replaces ? 1 : 0) << "round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BulkLoad,
    ::testing::Values(BulkRow{"Good", FileKind::Good, false},
                      BulkRow{"BadFieldInTheMiddle", FileKind::BadFieldInTheMiddle, false},
                      BulkRow{"Empty", FileKind::Empty, false}, BulkRow{"NoSpin", FileKind::NoSpin, false},
                      BulkRow{"GoodWithWheelBiasOpen", FileKind::Good, true},
                      BulkRow{"BadFieldWithWheelBiasOpen", FileKind::BadFieldInTheMiddle, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta
