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

// A Linux desktop's panels cannot be hidden by another program, but a window can ask for the whole screen:
// the window manager then puts it above the panels, and gives the screen back when the window leaves that
// state, closes or crashes. So the "task bar" is the program's main window's full-screen state: the handle
// is that window's, hiding it puts the window into the full-screen state and showing takes it out again,
// keeping its size and place. Where the window system has no full-screen windows (the offscreen platform,
// X11 without a window manager) the handle is 0.
class DesktopTaskBar : public TaskBar {
public:
    quintptr findTrayWindow() override;
    void showWindow(quintptr handle, int command) override;
};

} // namespace platform
