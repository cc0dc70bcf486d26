#include "platform/TaskBar.h"

namespace platform {

quintptr DesktopTaskBar::findTrayWindow() {
    return 0;
}

void DesktopTaskBar::showWindow(quintptr, int) {}

} // namespace platform
