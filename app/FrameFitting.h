#pragma once

#include "app/WindowPlacement.h"

#include <QObject>

class QWidget;

namespace app {

// A window manager frames a window only once it is mapped: right after show() the frame still measures
// 0, and a window sized from it would be a frame larger than asked. The first expose finds the frame in
// place (on X11 the window manager has set _NET_FRAME_EXTENTS by then), so the window gets its outer
// place and size once more there, and never again, so that it does not fight the user's own moves.
class FrameFitting : public QObject {
    Q_OBJECT
public:
    // For a window that has just been shown.
    static void fitWhenFramed(QWidget& window, const TwipsGeometry& geometry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrameFitting(QWidget& window, const TwipsGeometry& geometry);

    QWidget& window_;
    TwipsGeometry geometry_;
};

} // namespace app
