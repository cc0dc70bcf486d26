#include "view/ZoomHandling.h"

#include "ui/AdViewControls.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace view {

ZoomHandling::ZoomHandling(ui::AdViewControls& view, QObject* parent) : QObject(parent), view_(view) {
    view_.picDest->setCursor(Qt::OpenHandCursor);
}

void ZoomHandling::moveTo(ui::ScrollBar* bar, int value) {
    // The bar runs from 0 to its maximum, which may lie below 0 for a narrow ad.
    const int end = bar->maximumValue();
    bar->setValue(std::clamp(value, std::min(0, end), std::max(0, end)));
}

// A step towards the far end of the bar, whichever sign its maximum has.
void ZoomHandling::moveBy(ui::ScrollBar* bar, int pixels) {
    moveTo(bar, bar->value() + (bar->maximumValue() < 0 ? -pixels : pixels));
}

void ZoomHandling::wheel(QWheelEvent* event) {
    QPoint delta = event->pixelDelta();
    if (delta.isNull())
        delta = event->angleDelta() * StepPixels * QApplication::wheelScrollLines() / (3 * 120);
    if (event->modifiers() & Qt::ShiftModifier && delta.x() == 0)
        delta = QPoint(delta.y(), 0);
    if (delta.y() != 0)
        moveBy(view_.VScr, -delta.y());
    if (delta.x() != 0)
        moveBy(view_.HScroll1, -delta.x());
}

bool ZoomHandling::key(QKeyEvent* event) {
    ui::ScrollBar* vertical = view_.VScr;
    ui::ScrollBar* horizontal = view_.HScroll1;
    // A page keeps a strip of what was on view, so that the eye finds its place.
    const int page = vertical->height() - StepPixels;
    switch (event->key()) {
    case Qt::Key_Up:
        moveBy(vertical, -StepPixels);
        return true;
    case Qt::Key_Down:
        moveBy(vertical, StepPixels);
        return true;
    case Qt::Key_Left:
        moveBy(horizontal, -StepPixels);
        return true;
    case Qt::Key_Right:
        moveBy(horizontal, StepPixels);
        return true;
    case Qt::Key_PageUp:
        moveBy(vertical, -page);
        return true;
    case Qt::Key_PageDown:
        moveBy(vertical, page);
        return true;
    case Qt::Key_Home:
        moveTo(vertical, 0);
        moveTo(horizontal, 0);
        return true;
    case Qt::Key_End:
        moveTo(vertical, vertical->maximumValue());
        return true;
    default:
        return false;
    }
}

bool ZoomHandling::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        wheel(static_cast<QWheelEvent*>(event));
        return true;
    case QEvent::KeyPress:
        return key(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        dragging_ = true;
        dragStart_ = press->globalPosition().toPoint();
        verticalAtStart_ = view_.VScr->value();
        horizontalAtStart_ = view_.HScroll1->value();
        view_.picDest->setCursor(Qt::ClosedHandCursor);
        return false;
    }
    case QEvent::MouseMove: {
        if (!dragging_)
            return false;
        // The ad follows the pointer: moving the pointer down brings the top of the ad into view.
        const QPoint moved = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragStart_;
        moveTo(view_.VScr, verticalAtStart_ - moved.y());
        moveTo(view_.HScroll1, horizontalAtStart_ - moved.x());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && dragging_) {
            dragging_ = false;
            view_.picDest->setCursor(Qt::OpenHandCursor);
        }
        return false;
    default:
        return false;
    }
}

} // namespace view
