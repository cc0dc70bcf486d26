#pragma once

#include <QList>
#include <QRect>

namespace platform {

// Twips for a length in pixels on a screen of the given logical resolution: 15 a pixel at 96 DPI,
// 12 at 120 DPI.
double pixelsToTwips(double pixels, double logicalDpi);

class Screen {
public:
    virtual ~Screen() = default;
    // The primary screen's size.
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    // Where each connected screen lies on the desktop, in the pixels windows are placed in; the primary
    // screen first.
    virtual QList<QRect> screenGeometries() const = 0;
};

// The screens Qt knows.
class SystemScreen : public Screen {
public:
    double widthTwips() const override;
    double heightTwips() const override;
    QList<QRect> screenGeometries() const override;
};

} // namespace platform
