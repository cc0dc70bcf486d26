#include "documents/CentredOnScreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace documents {

CentredOnScreen::CentredOnScreen(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
    centre();
}

bool CentredOnScreen::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &window_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
        outerSize() != centredFor_)
        centre();
    return false;
}

QSize CentredOnScreen::outerSize() const {
    const QWindow* handle = window_.windowHandle();
    return handle ? window_.size().grownBy(handle->frameMargins()) : window_.size();
}

void CentredOnScreen::centre() {
    const QScreen* screen = window_.screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    centredFor_ = outerSize();
    // A window's place is that of its frame.
    window_.move(area.left() + (area.width() - centredFor_.width()) / 2,
                 area.top() + (area.height() - centredFor_.height()) / 2);
}

} // namespace documents
