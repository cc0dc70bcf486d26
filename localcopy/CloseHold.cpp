#include "localcopy/CloseHold.h"

#include <QEvent>
#include <QWidget>

namespace localcopy {

CloseHold::CloseHold(QWidget& window) : window_(&window) {
    window.installEventFilter(this);
}

CloseHold::~CloseHold() {
    if (!window_)
        return;
    window_->removeEventFilter(this);
    if (requested_)
        window_->close();
}

bool CloseHold::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::Close)
        return false;
    requested_ = true;
    event->ignore();
    return true;
}

} // namespace localcopy
