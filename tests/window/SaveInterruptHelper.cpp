// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a long history through the program's save path, for the test that kills
// this process in the middle of the save: save-interrupt-helper TARGET SPINS
#include <QCoreApplication>

#include <cstdio>

#include "core/model/NumberTable.h"
#include "core/model/SpinModel.h"

#include "ui/files/ResultsFileView.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: save-interrupt-helper TARGET SPINS\n");
        return 2;
    }
    const orvanta::NumberTable table = orvanta::BuildNumberTable();
    orvanta::SpinModel model(table);
    const long spins = std::atol(argv[2]);
    for (long i = 0; i < spins; ++i) {
        model.AddResult(static_cast<int>(i % 37));
    }
    std::puts("saving");
    std::fflush(stdout);
    const orvanta::TransferOutcome outcome =
        orvanta::SaveResultsFile(QString::fromLocal8Bit(argv[1]), model, [] { return false; });
    return outcome.ok ? 0 : 1;
}
