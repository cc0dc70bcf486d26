#pragma once

#include <QObject>
#include <QString>

namespace platform {
class Shell;
class TaskBar;
} // namespace platform
namespace state {
struct TaskBarState;
}

namespace documents {

// The maker's web pages, written as the shell takes them: a host name, and for the registration page a
// path, with no scheme.
inline const QString HomePageAddress = QStringLiteral("www.kestrelsoft.example");
inline const QString RegistrationAddress = QStringLiteral("www.kestrelsoft.example/register");

// Opens a web page in the desktop's browser, with a hidden task bar shown first so that the browser can
// be found; the task-bar command's caption stays as it is. Whether a browser opened is not reported.
class WebLinks : public QObject {
    Q_OBJECT
public:
    WebLinks(const state::TaskBarState& taskBar, platform::TaskBar& bar, platform::Shell& shell,
             QObject* parent = nullptr)
        : QObject(parent), taskBar_(taskBar), bar_(bar), shell_(shell) {}

    void open(const QString& address);

private:
    const state::TaskBarState& taskBar_;
    platform::TaskBar& bar_;
    platform::Shell& shell_;
};

} // namespace documents
