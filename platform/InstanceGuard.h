#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace platform {

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when no other instance runs; the claim then holds until release() or the end of the process.
    virtual bool tryAcquire() = 0;
    virtual void release() = 0;
};

// A lock file in the user's runtime folder (the temporary folder when there is none). The lock of an
// instance that crashed is taken over: its process no longer exists.
class LockFileInstanceGuard : public InstanceGuard {
public:
    LockFileInstanceGuard();
    explicit LockFileInstanceGuard(const QString& lockFilePath);
    ~LockFileInstanceGuard() override;

    bool tryAcquire() override;
    void release() override;

    QString lockFilePath() const { return path_; }
    static QString defaultLockFilePath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace platform
