#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace platform {

class Screen {
public:
    virtual ~Screen() = default;
    // The primary screen's size.
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    // Where each connected screen lies on the desktop, in the pixels windows are placed in; the primary
    // screen first.
    virtual QList<QRect> screenGeometries() const = 0;
    // The logical resolution, in dots an inch, of the screen that holds the point of the desktop; the
    // primary screen's when none does.
    virtual double logicalDpiAt(QPoint point) const = 0;
};

} // namespace platform
