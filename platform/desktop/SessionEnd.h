#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// The desktop asking the program to end: a logout or shutdown (SIGHUP) or a plain request to terminate
// (SIGTERM). The program closes its main window as if the user had, so the settings are kept.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void endRequested();
};

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
