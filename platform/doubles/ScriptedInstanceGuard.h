#pragma once

#include "platform/InstanceGuard.h"

namespace platform {

class ScriptedInstanceGuard : public InstanceGuard {
public:
    void setAlreadyRunning(bool running) { alreadyRunning_ = running; }
    bool tryAcquire() override {
        ++attempts_;
        held_ = !alreadyRunning_;
        return held_;
    }
    void release() override { held_ = false; }
    bool isHeld() const { return held_; }
    int attempts() const { return attempts_; }

private:
    bool alreadyRunning_ = false;
    bool held_ = false;
    int attempts_ = 0;
};

} // namespace platform
