#pragma once

#include "platform/desktop/ProgramExit.h"

namespace platform {

class InstanceGuard;

// Leaves the process on the spot, as the program's own "end at once" does: no event loop needs to run
// (the data location can end the program before the first window shows), and no close handler can write
// settings on the way out. The single-instance claim is given back first so the next start is not
// refused.
class ImmediateProgramExit : public ProgramExit {
public:
    explicit ImmediateProgramExit(InstanceGuard& instanceGuard) : instanceGuard_(instanceGuard) {}
    [[noreturn]] void endNow() override;

private:
    InstanceGuard& instanceGuard_;
};

} // namespace platform
