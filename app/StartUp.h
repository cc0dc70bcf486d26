#pragma once

#include "app/ProgramState.h"
#include "app/WindowPlacement.h"

#include <QObject>

namespace platform {
struct Services;
}
namespace ui {
class Form1;
class Form2;
} // namespace ui

namespace app {

// True when the screen measures exactly width x height pixels at 15 twips a pixel.
bool IsScreenSize(double screenWidthTwips, double screenHeightTwips, int width, int height);

// From launch to the main window on the screen: the splash for three seconds, then the main window's load
// step (one instance only, find the data, size and place the window).
class StartUp : public QObject {
    Q_OBJECT
public:
    StartUp(platform::Services& services, ProgramState& state, ui::Form2& splash, ui::Form1& mainWindow,
            QStringList arguments, QObject* parent = nullptr);

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
    ProgramState& state_;
    ui::Form2& splash_;
    ui::Form1& mainWindow_;
    QStringList arguments_;
    bool splashFinished_ = false;
    TwipsGeometry mainWindowTwips_;
};

} // namespace app
