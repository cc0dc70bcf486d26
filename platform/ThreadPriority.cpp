#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

void lowerCurrentThreadPriority() {
    ::setpriority(PRIO_PROCESS, ::gettid(), 10);
}

} // namespace platform
