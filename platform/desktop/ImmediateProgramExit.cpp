#include "platform/desktop/ImmediateProgramExit.h"

#include "platform/desktop/InstanceGuard.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void ImmediateProgramExit::endNow() {
    instanceGuard_.release();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace platform
