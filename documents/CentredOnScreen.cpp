#include "documents/CentredOnScreen.h"

#include "platform/desktop/Screen.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace documents {

CentredOnScreen::CentredOnScreen(QWidget& window, const platform::Screen& screen)
    : QObject(&window), window_(window), screen_(screen) {
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
    const QList<QRect> screens = screen_.screenGeometries();
    if (screens.isEmpty())
        return;
    const QPoint middle = window_.geometry().center();
    const auto holding =
        std::find_if(screens.begin(), screens.end(), [&](const QRect& s) { return s.contains(middle); });
    const QRect area = holding != screens.end() ? *holding : screens.front();
    centredFor_ = outerSize();
    // A window's place is that of its frame.
    window_.move(area.left() + (area.width() - centredFor_.width()) / 2,
                 area.top() + (area.height() - centredFor_.height()) / 2);
}

} // namespace documents
