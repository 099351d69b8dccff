// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFile;

namespace orvanta {

// Opening a results file never waits. A named pipe or a socket is refused before
// it is opened (opening a pipe waits for its other end, and reading it waits for a
// writer that may never write); a device is taken only when it answers at once
// (/dev/null, /dev/zero, /dev/full do; a terminal with nothing typed does not). A
// regular file opens as usual. Each returns an empty text when `file` is open, or
// what is wrong, naming the file, when it is not.
QString OpenForReading(QFile& file, const QString& path);
// For a target that exists and is neither a regular file nor a folder: a device is
// written to directly, so it is never replaced by a file.
QString OpenDeviceForWriting(QFile& file, const QString& path);

}  // namespace orvanta
