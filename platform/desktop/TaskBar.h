#pragma once

#include <QtGlobal>

namespace platform {

namespace ShowCommand {
inline constexpr int Hide = 0;
inline constexpr int ShowNormal = 1;
} // namespace ShowCommand

class TaskBar {
public:
    virtual ~TaskBar() = default;
    // The handle of the system task bar, or 0 when there is none the program may hide.
    virtual quintptr findTrayWindow() = 0;
    // Hides or shows the window of a handle; a handle of 0 does nothing.
    virtual void showWindow(quintptr handle, int command) = 0;
};

} // namespace platform
