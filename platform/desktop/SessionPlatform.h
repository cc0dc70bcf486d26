#pragma once

#include <QByteArray>

namespace platform {

// What the desktop session tells about its window systems, read before Qt starts.
struct SessionFacts {
    QByteArray qpaPlatform;        // QT_QPA_PLATFORM
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray x11Display;         // DISPLAY
    bool platformArgument = false; // "-platform" on the command line
};

SessionFacts currentSessionFacts(int argc, char* argv[]);

// The Qt platform the program asks for, or nothing for Qt's own choice. A native Wayland window cannot
// place itself, so the stored place and the centred windows would be lost: wherever the session offers an
// X server (XWayland) the program runs on it. Without one a Wayland session gets a native window, and the
// compositor decides where windows go. A platform the user named is always kept.
QByteArray sessionPlatform(const SessionFacts& session);

} // namespace platform
