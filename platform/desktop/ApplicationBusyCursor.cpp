#include "platform/desktop/ApplicationBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

void ApplicationBusyCursor::setBusy() {
    // One override at most, so that a single restore always brings the arrow back.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void ApplicationBusyCursor::setArrow() {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace platform
