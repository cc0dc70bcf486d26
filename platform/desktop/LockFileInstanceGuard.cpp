#include "platform/desktop/LockFileInstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString LockFileInstanceGuard::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/VantorAds.lock");
}

LockFileInstanceGuard::LockFileInstanceGuard() : LockFileInstanceGuard(defaultLockFilePath()) {}

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockFilePath) : path_(lockFilePath) {}

LockFileInstanceGuard::~LockFileInstanceGuard() {
    release();
}

InstanceClaim LockFileInstanceGuard::tryAcquire() {
    if (descriptor_ >= 0)
        return InstanceClaim::acquired();
    // Read access is enough for flock, so a lock file left read-only still serves. No symbolic link is
    // followed and nothing can block the open (a FIFO put in its place).
    const QByteArray path = QFile::encodeName(path_);
    const int descriptor =
        ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (descriptor < 0) {
        const int error = errno;
        return InstanceClaim::unavailable(
            QStringLiteral("cannot open the lock file %1: %2").arg(path_, systemError(error)));
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return InstanceClaim::unavailable(QStringLiteral("%1 is not an ordinary file").arg(path_));
    }
    int result = 0;
    do
        result = ::flock(descriptor, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(descriptor);
        if (error == EWOULDBLOCK)
            return InstanceClaim::heldByAnother();
        return InstanceClaim::unavailable(
            QStringLiteral("cannot lock the file %1: %2").arg(path_, systemError(error)));
    }
    descriptor_ = descriptor;
    return InstanceClaim::acquired();
}

void LockFileInstanceGuard::release() {
    if (descriptor_ < 0)
        return;
    // Closing the last descriptor drops the lock; the file stays, so that no second instance can lock a
    // fresh file of the same name while a first still holds the old one.
    ::close(descriptor_);
    descriptor_ = -1;
}

} // namespace platform
