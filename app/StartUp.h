#pragma once

#include "app/WindowPlacement.h"
#include "state/ProgramState.h"

#include <QObject>

class QWidget;

namespace platform {
struct Services;
}
namespace ui {
class Form2;
struct AdViewControls;
struct MainMenus;
} // namespace ui

namespace app {

// From launch to the main window on the screen: the splash for three seconds, then the main window's load
// step (one instance only, find the data, size and place the window).
class StartUp : public QObject {
    Q_OBJECT
public:
    // The main window is given whole, as it is sized and placed, and by the panels whose controls it reads.
    StartUp(platform::Services& services, state::ProgramState& state, ui::Form2& splash, QWidget& mainWindow,
            const ui::AdViewControls& view, ui::MainMenus& menus, QStringList arguments,
            QObject* parent = nullptr);

    void begin();
    // What the splash timer does when it fires.
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
    QWidget& mainWindow_;
    const ui::AdViewControls& view_;
    ui::MainMenus& menus_;
    QStringList arguments_;
    bool splashFinished_ = false;
    TwipsGeometry mainWindowTwips_;
};

} // namespace app
