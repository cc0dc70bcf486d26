#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

double pixelsToTwips(double pixels, double logicalDpi) { return pixels * 1440.0 / logicalDpi; }

namespace {

// Qt may scale a high-resolution screen to device-independent pixels; the screen's size and logical DPI
// are then both scaled, so their ratio, and with it the size in twips, stays that of the real screen.
double twips(int pixels) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return pixelsToTwips(pixels, screen->logicalDotsPerInch());
}

} // namespace

double PrimaryScreen::widthTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? twips(screen->size().width()) : 0;
}

double PrimaryScreen::heightTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? twips(screen->size().height()) : 0;
}

} // namespace platform
