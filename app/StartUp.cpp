#include "app/StartUp.h"

#include "app/DataLocation.h"
#include "app/FrameFitting.h"
#include "app/WindowGeometry.h"
#include "app/WindowPlacement.h"
#include "platform/desktop/AppFolders.h"
#include "platform/desktop/BusyCursor.h"
#include "platform/desktop/InstanceGuard.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/ProgramExit.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/SettingsStore.h"
#include "state/DriveErrorReporter.h"
#include "state/ProgramState.h"
#include "state/ScreenSize.h"
#include "ui/AdViewControls.h"
#include "ui/Form2.h"
#include "ui/ImageBox.h"
#include "ui/MainMenus.h"
#include "ui/Units.h"

#include <QAction>
#include <QDebug>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace app {

StartUp::StartUp(ui::Form2& splash, QWidget& mainWindow, const ui::AdViewControls& view, ui::MainMenus& menus,
                 state::DataLocation& location, state::DriveReport& report, state::ViewState& viewState,
                 platform::BusyCursor& cursor, platform::InstanceGuard& instanceGuard,
                 platform::MessageBoxes& boxes, platform::ProgramExit& exit,
                 const catalog::FileLister& lister, const platform::AppFolders& folders,
                 const platform::DriveSource& drives, platform::PathResolver& paths,
                 const platform::Screen& screen, const platform::SettingsStore& settings,
                 QStringList arguments, QObject* parent)
    : QObject(parent), splash_(splash), mainWindow_(mainWindow), view_(view), menus_(menus),
      location_(location), report_(report), viewState_(viewState), cursor_(cursor),
      instanceGuard_(instanceGuard), boxes_(boxes), exit_(exit), lister_(lister), folders_(folders),
      drives_(drives), paths_(paths), screen_(screen), settings_(settings), arguments_(std::move(arguments)) {
}

void StartUp::begin() {
    cursor_.setBusy();
    const QList<QRect> screens = screen_.screenGeometries();
    if (!screens.isEmpty())
        splash_.centreOn(screens.front());
    splash_.show();
}

void StartUp::finishSplash() {
    if (splashFinished_)
        return;
    splashFinished_ = true;
    cursor_.setArrow();
    splash_.Timer1->stop();
    splash_.hide();
    if (!loadMainWindow())
        return;
    mainWindow_.show();
    // The stored size is the outer one, frame included, and the frame is known only once shown.
    FrameFitting::fitWhenFramed(mainWindow_, mainWindowTwips_);
    emit mainWindowShown();
}

bool StartUp::loadMainWindow() {
    if (!refuseSecondInstance())
        return false;
    state::DriveErrorReporter reporter(report_, boxes_, exit_);
    if (!LocateAdData(arguments_, location_, lister_, folders_, drives_, paths_, reporter))
        return false;
    sizeAndPlaceMainWindow();
    viewState_.ZoomState = QStringLiteral("1");
    return true;
}

bool StartUp::refuseSecondInstance() {
    const platform::InstanceClaim claim = instanceGuard_.tryAcquire();
    using Outcome = platform::InstanceClaim::Outcome;
    if (claim.outcome == Outcome::Unavailable) {
        // A lock that cannot be made is no sign of another instance: the user still gets the program.
        qWarning().noquote() << QStringLiteral("%1: starting without the single-instance lock: %2")
                                    .arg(folders_.executableName(), claim.reason);
        return true;
    }
    if (claim.outcome == Outcome::Acquired)
        return true;
    boxes_.show({folders_.executableName() + QStringLiteral(" is already running!"), state::ApplicationTitle,
                 platform::MessageButtons::Ok, platform::MessageIcon::Critical, true});
    exit_.endNow();
    return false;
}

void StartUp::sizeAndPlaceMainWindow() {
    const double screenWidth = screen_.widthTwips();
    const double screenHeight = screen_.heightTwips();
    PlacementInput input;
    input.screenIs800x600 = state::IsScreenSize(screenWidth, screenHeight, 800, 600);
    input.screenWidthTwips = screenWidth;
    input.screenHeightTwips = screenHeight;
    for (const QRect& screen : screen_.screenGeometries())
        input.screens.push_back(
            {double(ui::twipsFromPixels(screen.x())), double(ui::twipsFromPixels(screen.y())),
             double(ui::twipsFromPixels(screen.width())), double(ui::twipsFromPixels(screen.height()))});
    input.design = DesignedMainWindow;
    const QRect image = view_.Image1->geometry();
    const QRect number = view_.Text1->geometry();
    input.computed.width = double(image.x() + image.width()) * ui::TwipsPerPixel + 400;
    input.computed.height = double(number.y() + number.height()) * ui::TwipsPerPixel + 900;
    auto read = [this](const char* key) {
        return settings_.read(QStringLiteral("Settings"), QString::fromLatin1(key));
    };
    input.stored.left = read("MainLeft");
    input.stored.top = read("MainTop");
    if (input.screenIs800x600) {
        input.stored.width = read("MainWidth");
        input.stored.height = read("MainHeight");
    }
    const Placement placement = placeMainWindow(input);
    if (placement.hideTaskBarCommand)
        menus_.mnuHideStatus->setVisible(false);
    mainWindowTwips_ = placement.geometry;
    applyOuterGeometry(mainWindow_, mainWindowTwips_);
}

} // namespace app
