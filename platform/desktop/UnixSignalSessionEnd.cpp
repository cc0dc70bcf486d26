#include "platform/desktop/UnixSignalSessionEnd.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

int wakeSockets[2] = {-1, -1};

extern "C" void onEndSignal(int) {
    const char byte = 1;
    // Only write(2) is safe here; the event loop reads it and does the rest.
    [[maybe_unused]] const ssize_t written = ::write(wakeSockets[0], &byte, 1);
}

} // namespace

UnixSignalSessionEnd::UnixSignalSessionEnd() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeSockets) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(wakeSockets[1], &byte, 1) > 0) {
        }
        emit endRequested();
    });
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

UnixSignalSessionEnd::~UnixSignalSessionEnd() {
    if (!notifier_)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    ::close(wakeSockets[0]);
    ::close(wakeSockets[1]);
    wakeSockets[0] = wakeSockets[1] = -1;
}

} // namespace platform
