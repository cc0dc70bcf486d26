#pragma once

#include "platform/desktop/InstanceGuard.h"

namespace platform {

class ScriptedInstanceGuard : public InstanceGuard {
public:
    // What every attempt from now on comes to.
    void setClaim(InstanceClaim claim) { claim_ = std::move(claim); }
    InstanceClaim tryAcquire() override {
        ++attempts_;
        held_ = claim_.outcome == InstanceClaim::Outcome::Acquired;
        return claim_;
    }
    void release() override { held_ = false; }
    bool isHeld() const { return held_; }
    int attempts() const { return attempts_; }

private:
    InstanceClaim claim_ = InstanceClaim::acquired();
    bool held_ = false;
    int attempts_ = 0;
};

} // namespace platform
