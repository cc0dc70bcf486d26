#pragma once

#include <QObject>

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

} // namespace platform
