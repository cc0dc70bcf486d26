#pragma once

#include "platform/desktop/Screen.h"

namespace platform {

// Twips for a length in pixels on a screen of the given logical resolution: 15 a pixel at 96 DPI,
// 12 at 120 DPI.
double pixelsToTwips(double pixels, double logicalDpi);

// The screens Qt knows.
class SystemScreen : public Screen {
public:
    double widthTwips() const override;
    double heightTwips() const override;
    QList<QRect> screenGeometries() const override;
    double logicalDpiAt(QPoint point) const override;
};

} // namespace platform
