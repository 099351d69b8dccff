// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>

#include <string_view>

namespace orvanta {

// What a writer does with a target that is a device rather than a file.
enum class DeviceTarget {
    WriteDirectly,  // /dev/null takes a results file: written to, never replaced
    Refuse,         // a file meant for another program (an export, the journal)
};

// How every file the program writes is written: either the whole new file takes the
// old one's place, or the old one stays byte for byte. The bytes go to a nameless file
// beside the target; every write and the byte count are checked, the file is synced to
// the disk (a file system that allocates late reports a full disk only then), it takes
// the old file's permissions and owner, and only then is it renamed over the target.
// Nothing is buffered in the program, so there is no flush that could fail unseen.
// A named pipe or a socket is refused; a device is written directly or refused.
class CheckedFileWriter {
public:
    explicit CheckedFileWriter(const QString& path, DeviceTarget devices = DeviceTarget::WriteDirectly);
    // Drops what was not committed.
    ~CheckedFileWriter();
    CheckedFileWriter(const CheckedFileWriter&) = delete;
    CheckedFileWriter& operator=(const CheckedFileWriter&) = delete;

    // The empty text when the writer is ready; otherwise a sentence naming the file
    // that says why it cannot be written.
    QString Open();
    // False once a write failed; the writes after it do nothing.
    bool Write(std::string_view bytes);
    // Puts the new file in place: the empty text when it is there, otherwise why not
    // ("No space left on device"), and the target is as it was.
    QString Commit();
    // Drops what was written; the target is as it was.
    void Cancel();

    // Why the last step failed, without the file's name: "No space left on device",
    // "it is a named pipe, not a file".
    const QString& failure() const { return failure_; }
    // The target is a device written directly: a failure may have reached it in part.
    bool writesDevice() const { return device_.isOpen(); }

private:
    QString Refuse(const char* what);
    void Fail(const QString& why);
    void Close();
    QString PutInPlace();

    QString path_;
    DeviceTarget devices_;
    QString target_;     // the file put in place: the path, or the file a link at it names
    QString temporary_;  // the name the new file has before it is renamed, once it has one
    int fd_ = -1;
    QFile device_;
    qint64 written_ = 0;
    QString failure_;
};

}  // namespace orvanta
