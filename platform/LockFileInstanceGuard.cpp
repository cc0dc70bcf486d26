#include "platform/InstanceGuard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

QString LockFileInstanceGuard::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/VantorAds.lock");
}

LockFileInstanceGuard::LockFileInstanceGuard() : LockFileInstanceGuard(defaultLockFilePath()) {}

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockFilePath) : path_(lockFilePath) {}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::tryAcquire() {
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // Never by age: an instance that runs for days keeps its claim. Only a lock whose process is gone
    // counts as stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    lock_.reset();
    return false;
}

void LockFileInstanceGuard::release() {
    lock_.reset();
}

} // namespace platform
