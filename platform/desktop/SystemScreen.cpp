#include "platform/desktop/SystemScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

double pixelsToTwips(double pixels, double logicalDpi) {
    return pixels * 1440.0 / logicalDpi;
}

// Qt may scale a high-resolution screen to device-independent pixels; the screen's size and logical DPI
// are then scaled alike, so their ratio, and with it the size in twips, stays that of the real screen.

double SystemScreen::widthTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->size().width(), screen->logicalDotsPerInch()) : 0;
}

double SystemScreen::heightTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->size().height(), screen->logicalDotsPerInch()) : 0;
}

QList<QRect> SystemScreen::screenGeometries() const {
    QList<QRect> geometries;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        geometries.append(primary->geometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            geometries.append(screen->geometry());
    }
    return geometries;
}

double SystemScreen::logicalDpiAt(QPoint point) const {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace platform
