#pragma once

#include <QString>

namespace platform {

// The machine's table of mounted file systems, in the format of /proc/self/mounts. It changes while the
// program runs: a disc put in, a stick pulled out.
class Mounts {
public:
    virtual ~Mounts() = default;
    // The table as it stands now; empty when it cannot be read.
    virtual QString text() const = 0;
};

} // namespace platform
