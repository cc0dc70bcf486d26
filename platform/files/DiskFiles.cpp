#include "platform/files/DiskFiles.h"

#include "platform/files/BoundedReadDevice.h"
#include "platform/files/DiscImage.h"
#include "platform/files/DiskReplacementFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {
namespace {

FileStatus noSuchDrive(const QString& path) {
    return FileStatus::failure(QStringLiteral("The drive of %1 holds no folder.").arg(path));
}

FileStatus systemError(int error) {
    return FileStatus::failure(QString::fromLocal8Bit(std::strerror(error)));
}

FileStatus notFound(const QString& path) {
    return FileStatus::failure(QStringLiteral("File not found: %1").arg(path));
}

std::optional<DiscImageFile> fileOn(const ImagePath& path) {
    return path.image->file(path.names);
}

OpenResult open(const std::optional<QString>& native, const QString& path, QIODevice::OpenMode mode) {
    OpenResult result;
    if (!native) {
        result.status = noSuchDrive(path);
        return result;
    }
    auto file = std::make_unique<QFile>(*native);
    if (!file->open(mode)) {
        result.status = FileStatus::failure(file->errorString());
        return result;
    }
    result.file = FileHandle(std::move(file));
    return result;
}

// A file that needs no worker (a disc image's, one of the user's own folders), opened at once.
class OpenedFile : public PendingOpen {
public:
    explicit OpenedFile(OpenResult opened) : opened_(std::move(opened)) {}
    OpenResult take() override { return std::move(opened_); }

private:
    OpenResult opened_;
};

} // namespace

DiskFiles::DiskFiles(const PathResolver& resolver, std::chrono::milliseconds readBound, OpenQuery openFile)
    : resolver_(resolver), readBound_(readBound), openFile_(std::move(openFile)) {}

bool DiskFiles::exists(const QString& path) const {
    if (const auto inImage = resolver_.onImage(path))
        return fileOn(*inImage).has_value();
    const auto native = resolver_.resolve(path);
    return native && QFileInfo(*native).isFile();
}

LengthResult DiskFiles::length(const QString& path) const {
    LengthResult result;
    if (const auto inImage = resolver_.onImage(path)) {
        if (const auto file = fileOn(*inImage))
            result.bytes = file->size;
        else
            result.status = notFound(path);
        return result;
    }
    const auto native = resolver_.resolve(path);
    if (!native) {
        result.status = noSuchDrive(path);
        return result;
    }
    const QFileInfo info(*native);
    if (!info.isFile()) {
        result.status = notFound(*native);
        return result;
    }
    result.bytes = info.size();
    return result;
}

OpenResult DiskFiles::openRead(const QString& path) const {
    if (const auto inImage = resolver_.onImage(path)) {
        const auto file = fileOn(*inImage);
        return file ? inImage->image->openRead(*file) : OpenResult{notFound(path), {}};
    }
    if (!PathResolver::hasDriveLetter(path)) {
        const auto native = resolver_.resolve(path);
        return native ? openFile_(*native) : OpenResult{noSuchDrive(path), {}};
    }
    // Finding the file, opening it and every read of it run under the bound: a drive may hang at any of
    // them.
    return BoundedReadDevice::open(boundedOpener(path), readBound_);
}

std::unique_ptr<PendingOpen> DiskFiles::openReadAhead(const QString& path, qint64 aheadBytes) const {
    if (resolver_.onImage(path) || !PathResolver::hasDriveLetter(path))
        return std::make_unique<OpenedFile>(openRead(path));
    std::lock_guard lock(readAheadMutex_);
    return BoundedReadDevice::begin(boundedOpener(path), readBound_, aheadBytes, lastReadAhead_);
}

BoundedReadDevice::Opener DiskFiles::boundedOpener(const QString& path) const {
    return [resolver = resolver_, open = openFile_, path] {
        const auto native = resolver.resolve(path);
        return native ? open(*native) : OpenResult{noSuchDrive(path), {}};
    };
}

ReadResult DiskFiles::readAll(const QString& path, qint64 byteLimit) const {
    if (const auto inImage = resolver_.onImage(path)) {
        const auto file = fileOn(*inImage);
        if (!file)
            return {notFound(path), {}};
        if (file->size > byteLimit)
            return {
                FileStatus::failure(QStringLiteral("%1 is too large (%2 bytes).").arg(path).arg(file->size)),
                {}};
        return inImage->image->read(*file, 0, file->size);
    }
    const auto native = resolver_.resolve(path);
    if (!native)
        return {noSuchDrive(path), {}};
    return readRegularFile(*native, byteLimit);
}

FileStamp DiskFiles::stamp(const QString& path) const {
    if (const auto inImage = resolver_.onImage(path)) {
        const auto file = fileOn(*inImage);
        return file ? FileStamp{file->size, file->modifiedNs} : FileStamp{};
    }
    const auto native = resolver_.resolve(path);
    if (!native)
        return {};
    struct stat info {};
    if (::stat(QFile::encodeName(*native).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

OpenResult DiskFiles::openWrite(const QString& path) const {
    return open(resolver_.resolve(path), path, QIODevice::WriteOnly | QIODevice::Truncate);
}

ReplacementResult DiskFiles::openReplacement(const QString& path) const {
    // The folder is found as every path is; the file keeps the exact name given, which spares a look
    // through the whole folder for another spelling of a name that is new there.
    const qsizetype lastSeparator = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    const auto folder = resolver_.resolve(path.first(lastSeparator + 1));
    if (!folder) {
        ReplacementResult result;
        result.status = noSuchDrive(path);
        return result;
    }
    return DiskReplacementFile::create(QDir(*folder).filePath(path.sliced(lastSeparator + 1)));
}

FileStatus DiskFiles::remove(const QString& path) const {
    const auto native = resolver_.resolve(path);
    if (!native)
        return noSuchDrive(path);
    if (!QFileInfo(*native).isFile())
        return notFound(*native);
    QFile file(*native);
    if (!file.remove())
        return FileStatus::failure(file.errorString());
    return FileStatus::success();
}

Removal DiskFiles::removeMatching(const QString& patternPath) const {
    Removal removal;
    const FolderListing listing = resolver_.list(patternPath);
    if (!listing.ok) {
        removal.status = FileStatus::failure(listing.error);
        return removal;
    }
    removal.remaining = int(listing.names.size());
    const qsizetype lastSeparator = std::max(patternPath.lastIndexOf(u'\\'), patternPath.lastIndexOf(u'/'));
    const auto folder =
        resolver_.resolve(lastSeparator >= 0 ? patternPath.first(lastSeparator + 1) : QString());
    if (!folder) {
        removal.status = noSuchDrive(patternPath);
        return removal;
    }
    // Every name is taken relative to the folder opened once, without following a link to it; a listed
    // name is never read as a path text, so "..\x.jpg" is one file of this folder, not a way out of it.
    const int opened =
        ::open(QFile::encodeName(*folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (opened < 0) {
        const int error = errno;
        struct stat info {};
        const bool link =
            ::lstat(QFile::encodeName(*folder).constData(), &info) == 0 && S_ISLNK(info.st_mode);
        removal.status =
            link ? FileStatus::failure(QStringLiteral("The folder %1 is a symbolic link.").arg(*folder))
                 : systemError(error);
        return removal;
    }
    for (const QString& name : listing.names) {
        const QByteArray entry = QFile::encodeName(name);
        struct stat info {};
        if (::fstatat(opened, entry.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) {
            if (removal.status.ok)
                removal.status = FileStatus::failure(QStringLiteral("%1 is not an ordinary file.").arg(name));
            continue;
        }
        if (::unlinkat(opened, entry.constData(), 0) == 0)
            --removal.remaining;
        else if (removal.status.ok)
            removal.status = systemError(errno);
    }
    ::close(opened);
    return removal;
}

FileStatus DiskFiles::syncFolder(const QString& path) const {
    const auto native = resolver_.resolve(path);
    if (!native)
        return noSuchDrive(path);
    const int opened = ::open(QFile::encodeName(*native).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (opened < 0)
        return systemError(errno);
    const bool synced = ::fsync(opened) == 0;
    const int error = errno;
    ::close(opened);
    return synced ? FileStatus::success() : systemError(error);
}

FileStatus DiskFiles::createFolder(const QString& path) const {
    const auto native = resolver_.resolve(path);
    if (!native)
        return noSuchDrive(path);
    if (QFileInfo(*native).isDir())
        return FileStatus::success();
    if (!QDir().mkpath(*native))
        return FileStatus::failure(QStringLiteral("The folder %1 cannot be created.").arg(*native));
    return FileStatus::success();
}

FileStatus DiskFiles::removeFolder(const QString& path) const {
    const auto native = resolver_.resolve(path);
    if (!native)
        return noSuchDrive(path);
    if (!QFileInfo(*native).isDir())
        return FileStatus::failure(QStringLiteral("The folder %1 does not exist.").arg(*native));
    if (!QDir().rmdir(*native))
        return FileStatus::failure(
            QStringLiteral("The folder %1 cannot be removed; it may not be empty.").arg(*native));
    return FileStatus::success();
}

FreeSpace DiskFiles::freeSpace(const QString& folder) const {
    FreeSpace space;
    const auto native = resolver_.resolve(folder);
    if (!native) {
        space.error = noSuchDrive(folder).error;
        return space;
    }
    // The copy's target folder is often not made yet: ask the nearest folder above it that exists.
    QString probe = *native;
    while (!QFileInfo(probe).isDir() && probe != QDir::rootPath())
        probe = QFileInfo(probe).absolutePath();
    struct statvfs stats {};
    if (::statvfs(QFile::encodeName(probe).constData(), &stats) != 0) {
        space.error = QString::fromLocal8Bit(std::strerror(errno));
        return space;
    }
    space.ok = true;
    space.freeClusters = stats.f_bavail;
    space.sectorsPerCluster = 1;
    space.bytesPerSector = stats.f_frsize;
    return space;
}

} // namespace platform
