#pragma once

#include <QObject>

namespace platform {
class ProgramExit;
class SettingsStore;
class TaskBar;
} // namespace platform
namespace state {
struct TaskBarState;
}
class QWidget;

namespace app {

// Every way of closing the main window (Exit, the close box, the window manager, the end of the session)
// shows the task bar again, keeps the window's place and size unless it is minimized, and ends the
// program at once; no other window's own closing runs.
class MainWindowClosing : public QObject {
    Q_OBJECT
public:
    MainWindowClosing(const QWidget& window, const state::TaskBarState& taskBar, platform::TaskBar& bar,
                      platform::SettingsStore& settings, platform::ProgramExit& exit,
                      QObject* parent = nullptr);

    // The window is closing, in the state it had.
    void closing(Qt::WindowStates windowState);

private:
    const QWidget& window_;
    const state::TaskBarState& taskBar_;
    platform::TaskBar& bar_;
    platform::SettingsStore& settings_;
    platform::ProgramExit& exit_;
};

// A length in twips as the settings keep it: the decimal text of a single-precision number.
QString settingText(double twips);

} // namespace app
