#include "app/FrameFitting.h"

#include "app/WindowGeometry.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace app {

void FrameFitting::fitWhenFramed(QWidget& window, const TwipsGeometry& geometry) {
    applyOuterGeometry(window, geometry);
    if (QWindow* handle = window.windowHandle(); handle && !handle->isExposed())
        handle->installEventFilter(new FrameFitting(window, geometry));
}

FrameFitting::FrameFitting(QWidget& window, const TwipsGeometry& geometry)
    : QObject(window.windowHandle()), window_(window), geometry_(geometry) {}

bool FrameFitting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        applyOuterGeometry(window_, geometry_);
        watched->removeEventFilter(this);
        deleteLater();
    }
    return false;
}

} // namespace app
