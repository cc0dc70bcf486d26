#pragma once

#include "platform/desktop/TaskBar.h"

namespace platform {

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
