#pragma once

#include "platform/files/FileHandle.h"
#include "platform/files/ReplacementFile.h"

#include <QString>

namespace platform {

// A file as it was when it was read: another size or modification time means it has changed since.
struct FileStamp {
    qint64 size = -1; // -1: no ordinary file there
    qint64 modifiedNs = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// What removing files by a pattern did: the first failure, and how many matching names are still there.
struct Removal {
    FileStatus status;
    int remaining = 0;
};

struct LengthResult {
    FileStatus status;
    qint64 bytes = 0;
};

// Free space in the cluster terms the copy command computes with: bytes per sector is the file system's
// fragment size, a cluster is one sector, and the free clusters are those an ordinary user may fill.
struct FreeSpace {
    bool ok = false;
    quint64 freeClusters = 0;
    quint64 sectorsPerCluster = 0;
    quint64 bytesPerSector = 0;
    QString error;

    quint64 bytes() const { return freeClusters * sectorsPerCluster * bytesPerSector; }
};

// File operations on the program's path texts ("E:\ads\63kxpe00.jpg", program folder + "\ads\"), which
// go through the path resolver; a native absolute path is a path text too and resolves to itself.
class Files {
public:
    virtual ~Files() = default;

    virtual bool exists(const QString& path) const = 0; // an ordinary file, not a folder
    virtual LengthResult length(const QString& path) const = 0;
    // Opens an ordinary file only: anything else a name can stand for (a FIFO, a device, a folder) is
    // refused at once, without waiting for it.
    virtual OpenResult openRead(const QString& path) const = 0;
    // openRead() begun now, with up to aheadBytes of the file read before they are asked for; for a file
    // that is to be read through to its end. The files begun this way are read one after another, each
    // once the one before was read to its end or given up, so that a disc does not seek between them.
    virtual std::unique_ptr<PendingOpen> openReadAhead(const QString& path, qint64 aheadBytes) const = 0;
    // The whole of an ordinary file of at most byteLimit bytes; anything else is refused without blocking.
    // Safe to call from several threads at once.
    virtual ReadResult readAll(const QString& path, qint64 byteLimit) const = 0;
    // Safe to call from several threads at once.
    virtual FileStamp stamp(const QString& path) const = 0;
    // Creates the file, or empties it when it exists.
    virtual OpenResult openWrite(const QString& path) const = 0;
    // A new file that takes the place of the one at the path (if any) only when it is complete. The folder
    // is found as for every path; the file keeps the exact name given.
    virtual ReplacementResult openReplacement(const QString& path) const = 0;
    virtual FileStatus remove(const QString& path) const = 0;
    // Deletes every ordinary file matching the wildcard last component (letter case ignored), in that
    // folder only, whatever the names hold. Never works through a symbolic link: a folder that is one is
    // refused, and a link among the files is left, so that nothing outside the folder can be deleted.
    // Goes on past files it cannot delete; the status names the first of them, or why the folder was
    // refused.
    virtual Removal removeMatching(const QString& patternPath) const = 0;
    // Creates the folder and any missing folders above it; an existing folder is no error.
    virtual FileStatus createFolder(const QString& path) const = 0;
    // Forces the folder's entries (files made, renamed or deleted in it) to the disk.
    virtual FileStatus syncFolder(const QString& path) const = 0;
    // Removes the folder only if it is empty.
    virtual FileStatus removeFolder(const QString& path) const = 0;
    // The free space of the file system that holds the folder, or would hold it once created.
    virtual FreeSpace freeSpace(const QString& folder) const = 0;
};

} // namespace platform
