#include "app/StartUp.h"

#include "app/DataLocation.h"
#include "app/FrameFitting.h"
#include "app/WindowGeometry.h"
#include "app/WindowPlacement.h"
#include "platform/Services.h"
#include "state/DriveErrorReporter.h"
#include "state/ScreenSize.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/ImageBox.h"
#include "ui/Units.h"

#include <QAction>
#include <QDebug>
#include <QLineEdit>
#include <QTimer>

namespace app {

StartUp::StartUp(platform::Services& services, state::ProgramState& state, ui::Form2& splash,
                 ui::Form1& mainWindow, QStringList arguments, QObject* parent)
    : QObject(parent), services_(services), state_(state), splash_(splash), mainWindow_(mainWindow),
      arguments_(std::move(arguments)) {
    connect(splash_.Timer1, &QTimer::timeout, this, &StartUp::finishSplash);
}

void StartUp::begin() {
    services_.cursor.setBusy();
    const QList<QRect> screens = services_.screen.screenGeometries();
    if (!screens.isEmpty())
        splash_.centreOn(screens.front());
    splash_.show();
}

void StartUp::finishSplash() {
    if (splashFinished_)
        return;
    splashFinished_ = true;
    services_.cursor.setArrow();
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
    state::DriveErrorReporter reporter(state_.report, services_.messageBoxes, services_.programExit);
    if (!LocateAdData(arguments_, state_.location, services_.fileLister, services_.folders, services_.drives,
                      services_.paths, reporter))
        return false;
    sizeAndPlaceMainWindow();
    state_.view.ZoomState = QStringLiteral("1");
    return true;
}

bool StartUp::refuseSecondInstance() {
    const platform::InstanceClaim claim = services_.instanceGuard.tryAcquire();
    using Outcome = platform::InstanceClaim::Outcome;
    if (claim.outcome == Outcome::Unavailable) {
        // A lock that cannot be made is no sign of another instance: the user still gets the program.
        qWarning().noquote() << QStringLiteral("%1: starting without the single-instance lock: %2")
                                    .arg(services_.folders.executableName(), claim.reason);
        return true;
    }
    if (claim.outcome == Outcome::Acquired)
        return true;
    services_.messageBoxes.show({services_.folders.executableName() + QStringLiteral(" is already running!"),
                                 state::ApplicationTitle, platform::MessageButtons::Ok,
                                 platform::MessageIcon::Critical, true});
    services_.programExit.endNow();
    return false;
}

void StartUp::sizeAndPlaceMainWindow() {
    const double screenWidth = services_.screen.widthTwips();
    const double screenHeight = services_.screen.heightTwips();
    PlacementInput input;
    input.screenIs800x600 = state::IsScreenSize(screenWidth, screenHeight, 800, 600);
    input.screenWidthTwips = screenWidth;
    input.screenHeightTwips = screenHeight;
    for (const QRect& screen : services_.screen.screenGeometries())
        input.screens.push_back(
            {double(ui::twipsFromPixels(screen.x())), double(ui::twipsFromPixels(screen.y())),
             double(ui::twipsFromPixels(screen.width())), double(ui::twipsFromPixels(screen.height()))});
    input.design = DesignedMainWindow;
    const QRect image = mainWindow_.Image1->geometry();
    const QRect number = mainWindow_.Text1->geometry();
    input.computed.width = double(image.x() + image.width()) * ui::TwipsPerPixel + 400;
    input.computed.height = double(number.y() + number.height()) * ui::TwipsPerPixel + 900;
    auto read = [this](const char* key) {
        return services_.settings.read(QStringLiteral("Settings"), QString::fromLatin1(key));
    };
    input.stored.left = read("MainLeft");
    input.stored.top = read("MainTop");
    if (input.screenIs800x600) {
        input.stored.width = read("MainWidth");
        input.stored.height = read("MainHeight");
    }
    const Placement placement = placeMainWindow(input);
    if (placement.hideTaskBarCommand)
        mainWindow_.mnuHideStatus->setVisible(false);
    mainWindowTwips_ = placement.geometry;
    applyOuterGeometry(mainWindow_, mainWindowTwips_);
}

} // namespace app
