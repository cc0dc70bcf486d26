#pragma once

#include "app/WindowPlacement.h"

#include <QObject>

class QWidget;

namespace catalog {
class FileLister;
}
namespace platform {
class AppFolders;
class BusyCursor;
class DriveSource;
class InstanceGuard;
class MessageBoxes;
class PathResolver;
class ProgramExit;
class Screen;
class SettingsStore;
} // namespace platform
namespace state {
struct DataLocation;
struct DriveReport;
struct ViewState;
} // namespace state
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
    StartUp(ui::Form2& splash, QWidget& mainWindow, const ui::AdViewControls& view, ui::MainMenus& menus,
            state::DataLocation& location, state::DriveReport& report, state::ViewState& viewState,
            platform::BusyCursor& cursor, platform::InstanceGuard& instanceGuard,
            platform::MessageBoxes& boxes, platform::ProgramExit& exit, const catalog::FileLister& lister,
            const platform::AppFolders& folders, const platform::DriveSource& drives,
            platform::PathResolver& paths, const platform::Screen& screen,
            const platform::SettingsStore& settings, QStringList arguments, QObject* parent = nullptr);

    void begin();
    // What the splash timer does when it fires.
    void finishSplash();

signals:
    void mainWindowShown();

private:
    bool loadMainWindow();
    bool refuseSecondInstance();
    void sizeAndPlaceMainWindow();

    ui::Form2& splash_;
    QWidget& mainWindow_;
    const ui::AdViewControls& view_;
    ui::MainMenus& menus_;
    state::DataLocation& location_;
    state::DriveReport& report_;
    state::ViewState& viewState_;
    platform::BusyCursor& cursor_;
    platform::InstanceGuard& instanceGuard_;
    platform::MessageBoxes& boxes_;
    platform::ProgramExit& exit_;
    const catalog::FileLister& lister_;
    const platform::AppFolders& folders_;
    const platform::DriveSource& drives_;
    platform::PathResolver& paths_;
    const platform::Screen& screen_;
    const platform::SettingsStore& settings_;
    QStringList arguments_;
    bool splashFinished_ = false;
    TwipsGeometry mainWindowTwips_;
};

} // namespace app
