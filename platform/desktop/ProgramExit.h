#pragma once

namespace platform {

class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    // Ends the program at once: no window's close handling runs and nothing more is saved. The test double
    // returns, so a caller must not go on with its work after calling it.
    virtual void endNow() = 0;
};

} // namespace platform
