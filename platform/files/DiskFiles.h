#pragma once

#include "platform/files/BoundedReadDevice.h"
#include "platform/files/Files.h"
#include "platform/files/PathResolver.h"
#include "platform/files/RegularFile.h"

#include <chrono>
#include <functional>
#include <mutex>

namespace platform {

class DiskFiles : public Files {
public:
    // Only a drive that really hangs takes this long to open or read a file; a disc spinning up answers
    // well within it.
    static constexpr std::chrono::milliseconds defaultReadBound{20000};
    // How an ordinary file of a drive is opened, on a worker thread; tests put a slow one in its place.
    using OpenQuery = std::function<OpenResult(const QString& nativePath)>;

    explicit DiskFiles(const PathResolver& resolver, std::chrono::milliseconds readBound = defaultReadBound,
                       OpenQuery openFile = &openRegularFile);

    bool exists(const QString& path) const override;
    LengthResult length(const QString& path) const override;
    OpenResult openRead(const QString& path) const override;
    std::unique_ptr<PendingOpen> openReadAhead(const QString& path, qint64 aheadBytes) const override;
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
    // The worker that opens and reads a file of a drive, under the bound, with its own copy of the
    // resolver, as it may outlive these services.
    BoundedReadDevice::Opener boundedOpener(const QString& path) const;

    const PathResolver& resolver_;
    std::chrono::milliseconds readBound_;
    OpenQuery openFile_;
    mutable std::mutex readAheadMutex_;
    mutable std::weak_ptr<BoundedReadDevice::Shared> lastReadAhead_; // the file the next one waits for
};

} // namespace platform
