#pragma once

#include "platform/ReplacementFile.h"

#include <QString>

namespace platform {

// The replacement on a disk: an unnamed file in the target's folder where the file system offers one (so
// that even a program that dies mid-write leaves nothing behind), otherwise a hidden file with a unique
// name; commit() gives it a unique name if it has none and renames that over the target, which replaces an
// existing file in one step. Data is not forced to the disk: the file system writes it out as it would
// for any copy.
class DiskReplacementFile : public ReplacementFile {
public:
    static ReplacementResult create(const QString& nativeTarget);
    ~DiskReplacementFile() override;
    DiskReplacementFile(const DiskReplacementFile&) = delete;
    DiskReplacementFile& operator=(const DiskReplacementFile&) = delete;

    FileStatus write(QByteArrayView bytes) override;
    FileStatus commit() override;

private:
    DiskReplacementFile(int descriptor, QString target, QString namedTemporary);

    int descriptor_;
    QString target_;
    QString namedTemporary_; // empty while the file has no name
    FileStatus failure_;
};

} // namespace platform
