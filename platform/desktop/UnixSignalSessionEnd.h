#pragma once

#include "platform/desktop/SessionEnd.h"

class QSocketNotifier;

namespace platform {

// SIGTERM and SIGHUP, turned into a signal of the event loop (a handler itself may do almost nothing).
class UnixSignalSessionEnd : public SessionEnd {
    Q_OBJECT
public:
    UnixSignalSessionEnd();
    ~UnixSignalSessionEnd() override;

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace platform
