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

} // namespace platform
