#include "platform/desktop/SessionPlatform.h"

#include <cstring>

namespace platform {

SessionFacts currentSessionFacts(int argc, char* argv[]) {
    SessionFacts facts{qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
    for (int i = 1; i < argc; ++i)
        facts.platformArgument = facts.platformArgument || std::strcmp(argv[i], "-platform") == 0 ||
                                 std::strcmp(argv[i], "--platform") == 0;
    return facts;
}

QByteArray sessionPlatform(const SessionFacts& session) {
    if (!session.qpaPlatform.isEmpty() || session.platformArgument)
        return {};
    if (!session.x11Display.isEmpty())
        return QByteArrayLiteral("xcb");
    if (!session.waylandDisplay.isEmpty())
        return QByteArrayLiteral("wayland");
    return {};
}

} // namespace platform
