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

// Linux desktops give a program no task bar it may hide: the handle is always 0, so hiding and showing
// change nothing, and the viewer still fills the screen as the task-bar command asks.
class DesktopTaskBar : public TaskBar {
public:
    quintptr findTrayWindow() override;
    void showWindow(quintptr handle, int command) override;
};

} // namespace platform
