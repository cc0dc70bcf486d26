#include "platform/files/DiskReplacementFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int NameAttempts = 100;

FileStatus systemFailure(int error) {
    const QString text = QString::fromLocal8Bit(std::strerror(error));
    return error == ENOSPC || error == EDQUOT ? FileStatus::noRoom(text) : FileStatus::failure(text);
}

// A hidden name beside the target that no other file is likely to have; the caller retries on a clash.
QString temporaryName(const QString& nativeTarget) {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    const QFileInfo target(nativeTarget);
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.') + suffix;
}

} // namespace

ReplacementResult DiskReplacementFile::create(const QString& nativeTarget) {
    ReplacementResult result;
    const QByteArray folder = QFile::encodeName(QFileInfo(nativeTarget).absolutePath());
    const int unnamed = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (unnamed >= 0) {
        result.file.reset(new DiskReplacementFile(unnamed, nativeTarget, {}));
        return result;
    }
    // Without unnamed files (an older kernel or another file system) the file gets a hidden name at once.
    if (errno != EOPNOTSUPP && errno != EISDIR) {
        result.status = systemFailure(errno);
        return result;
    }
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        const QString name = temporaryName(nativeTarget);
        const int named =
            ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (named >= 0) {
            result.file.reset(new DiskReplacementFile(named, nativeTarget, name));
            return result;
        }
        if (errno != EEXIST) {
            result.status = systemFailure(errno);
            return result;
        }
    }
    result.status = systemFailure(EEXIST);
    return result;
}

DiskReplacementFile::DiskReplacementFile(int descriptor, QString target, QString namedTemporary)
    : descriptor_(descriptor), target_(std::move(target)), namedTemporary_(std::move(namedTemporary)) {}

DiskReplacementFile::~DiskReplacementFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!namedTemporary_.isEmpty())
        ::unlink(QFile::encodeName(namedTemporary_).constData());
}

FileStatus DiskReplacementFile::write(QByteArrayView bytes) {
    if (!failure_.ok)
        return failure_;
    if (descriptor_ < 0)
        return FileStatus::failure(QStringLiteral("The file is already closed."));
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor_, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            failure_ = systemFailure(written < 0 ? errno : ENOSPC);
            return failure_;
        }
        data += written;
        left -= written;
    }
    return FileStatus::success();
}

FileStatus DiskReplacementFile::commit() {
    if (!failure_.ok)
        return failure_;
    if (descriptor_ < 0)
        return FileStatus::failure(QStringLiteral("The file is already closed."));
    if (::fdatasync(descriptor_) != 0 && errno != EINVAL)
        return failure_ = systemFailure(errno);
    if (namedTemporary_.isEmpty()) {
        const QByteArray open = "/proc/self/fd/" + QByteArray::number(descriptor_);
        // Where no file has the name yet, the file takes it in one step, so that a kill leaves no
        // temporary name behind; only a replacement needs one, as rename alone replaces atomically.
        if (::linkat(AT_FDCWD, open.constData(), AT_FDCWD, QFile::encodeName(target_).constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return closeNamed();
        if (errno != EEXIST)
            return failure_ = systemFailure(errno);
        for (int attempt = 0; attempt < NameAttempts && namedTemporary_.isEmpty(); ++attempt) {
            const QString name = temporaryName(target_);
            if (::linkat(AT_FDCWD, open.constData(), AT_FDCWD, QFile::encodeName(name).constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                namedTemporary_ = name;
            else if (errno != EEXIST)
                return failure_ = systemFailure(errno);
        }
        if (namedTemporary_.isEmpty())
            return failure_ = systemFailure(EEXIST);
    }
    if (const FileStatus closed = closeNamed(); !closed.ok)
        return closed;
    if (::rename(QFile::encodeName(namedTemporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        return failure_ = systemFailure(errno);
    namedTemporary_.clear();
    return FileStatus::success();
}

// Some file systems report a failed write only at closing.
FileStatus DiskReplacementFile::closeNamed() {
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0 && errno != EINTR)
        return failure_ = systemFailure(errno);
    return FileStatus::success();
}

} // namespace platform
