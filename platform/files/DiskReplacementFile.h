#pragma once

#include "platform/files/ReplacementFile.h"

#include <QString>

namespace platform {

// The replacement on a disk: an unnamed file in the target's folder where the file system offers one (so
// that even a program that dies mid-write leaves nothing behind), otherwise a hidden file with a unique
// name; commit() forces its data to the disk, then links an unnamed file straight to the target's name
// when no file has it, or gives it a unique name and renames that over the target, which replaces an
// existing file in one step. Forcing the data first is what keeps a power cut
// after the rename from leaving an empty file in the target's place, and it is where a file system reports
// a write it could not carry out after all (a full disk on delayed allocation, a network share gone).
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
    FileStatus closeNamed();

    int descriptor_;
    QString target_;
    QString namedTemporary_; // empty while the file has no name
    FileStatus failure_;
};

} // namespace platform
