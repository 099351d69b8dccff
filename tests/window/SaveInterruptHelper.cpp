// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a long history through the program's save path, for the tests that kill
// this process in the middle of the save or hold it to a file-size limit (with
// SIGXFSZ ignored, so that an oversized write fails instead of ending the process):
// save-interrupt-helper TARGET SPINS [FILE-SIZE-LIMIT]
#include <QCoreApplication>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/model/NumberTable.h"
#include "core/model/SpinModel.h"

#include "ui/files/ResultsFileView.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: save-interrupt-helper TARGET SPINS [FILE-SIZE-LIMIT]\n");
        return 2;
    }
    const orvanta::NumberTable table = orvanta::BuildNumberTable();
    orvanta::SpinModel model(table);
    const long spins = std::atol(argv[2]);
    for (long i = 0; i < spins; ++i) {
        model.AddResult(static_cast<int>(i % 37));
    }
    if (argc == 4) {
        const rlim_t limit = std::strtoull(argv[3], nullptr, 10);
        const rlimit fileSize{limit, limit};
        if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &fileSize) != 0) {
            return 3;
        }
    }
    std::puts("saving");
    std::fflush(stdout);
    const orvanta::TransferOutcome outcome =
        orvanta::SaveResultsFile(QString::fromLocal8Bit(argv[1]), model, [] { return false; });
    std::fputs(outcome.message.toLocal8Bit().constData(), stderr);
    return outcome.ok ? 0 : 1;
}
