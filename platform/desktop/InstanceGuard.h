#pragma once

#include <QString>

namespace platform {

// What came of trying to claim the single-instance lock.
struct InstanceClaim {
    enum class Outcome {
        Acquired,      // no other instance runs; the claim holds until release() or the end of the process
        HeldByAnother, // another instance runs
        Unavailable,   // no lock could be made at all; reason says why
    };
    Outcome outcome = Outcome::Acquired;
    QString reason;

    static InstanceClaim acquired() { return {Outcome::Acquired, {}}; }
    static InstanceClaim heldByAnother() { return {Outcome::HeldByAnother, {}}; }
    static InstanceClaim unavailable(QString why) { return {Outcome::Unavailable, std::move(why)}; }
};

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual InstanceClaim tryAcquire() = 0;
    virtual void release() = 0;
};

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
