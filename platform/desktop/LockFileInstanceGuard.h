#pragma once

#include "platform/desktop/InstanceGuard.h"

namespace platform {

// An advisory lock (flock) on a file in the user's runtime folder (the temporary folder when there is
// none). The kernel drops the lock when its process ends, however it ends, so a crashed instance never
// blocks the next start, and whatever the file holds (nothing, garbage, an old number) does not matter.
class LockFileInstanceGuard : public InstanceGuard {
public:
    LockFileInstanceGuard();
    explicit LockFileInstanceGuard(const QString& lockFilePath);
    ~LockFileInstanceGuard() override;
    LockFileInstanceGuard(const LockFileInstanceGuard&) = delete;
    LockFileInstanceGuard& operator=(const LockFileInstanceGuard&) = delete;

    InstanceClaim tryAcquire() override;
    void release() override;

    QString lockFilePath() const { return path_; }
    static QString defaultLockFilePath();

private:
    QString path_;
    int descriptor_ = -1; // open and locked while the claim holds
};

} // namespace platform
