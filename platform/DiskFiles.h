#pragma once

#include "platform/Files.h"
#include "platform/PathResolver.h"

namespace platform {

class DiskFiles : public Files {
public:
    explicit DiskFiles(const PathResolver& resolver);

    bool exists(const QString& path) const override;
    LengthResult length(const QString& path) const override;
    OpenResult openRead(const QString& path) const override;
    ReadResult readAll(const QString& path, qint64 byteLimit) const override;
    FileStamp stamp(const QString& path) const override;
    OpenResult openWrite(const QString& path) const override;
    ReplacementResult openReplacement(const QString& path) const override;
    FileStatus remove(const QString& path) const override;
    Removal removeMatching(const QString& patternPath) const override;
    FileStatus syncFolder(const QString& path) const override;
    FileStatus createFolder(const QString& path) const override;
    FileStatus removeFolder(const QString& path) const override;
    FreeSpace freeSpace(const QString& folder) const override;

private:
    const PathResolver& resolver_;
};

} // namespace platform
