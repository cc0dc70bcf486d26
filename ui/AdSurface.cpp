#include "ui/AdSurface.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

void AdSurface::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

void AdSurface::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

void AdSurface::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        emit contextMenuKey();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AdSurface::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's own request comes on the press; the menu waits for the release of the right button.
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit contextMenuKey();
}

} // namespace ui
