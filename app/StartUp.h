#pragma once

#include "app/WindowPlacement.h"
#include "state/ProgramState.h"

#include <QObject>

namespace platform {
struct Services;
}
namespace ui {
class Form1;
class Form2;
} // namespace ui

namespace app {

// From launch to the main window on the screen: the splash for three seconds, then the main window's load
// step (one instance only, find the data, size and place the window).
class StartUp : public QObject {
    Q_OBJECT
public:
    StartUp(platform::Services& services, state::ProgramState& state, ui::Form2& splash,
            ui::Form1& mainWindow, QStringList arguments, QObject* parent = nullptr);

    void begin();
    // What the splash timer does when it fires; public so that tests need not wait three seconds.
    void finishSplash();

signals:
    void mainWindowShown();

private:
    bool loadMainWindow();
    bool refuseSecondInstance();
    void sizeAndPlaceMainWindow();

    platform::Services& services_;
    state::ProgramState& state_;
    ui::Form2& splash_;
    ui::Form1& mainWindow_;
    QStringList arguments_;
    bool splashFinished_ = false;
    TwipsGeometry mainWindowTwips_;
};

} // namespace app
