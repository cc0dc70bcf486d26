#pragma once

#include "platform/desktop/ProgramExit.h"

namespace platform {

class RecordingProgramExit : public ProgramExit {
public:
    void endNow() override { ++calls_; }
    bool ended() const { return calls_ > 0; }
    int calls() const { return calls_; }

private:
    int calls_ = 0;
};

} // namespace platform
