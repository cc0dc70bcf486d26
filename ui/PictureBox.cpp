#include "ui/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget* parent) : AdSurface(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void PictureBox::setBackgroundColour(const QColor& colour) {
    background_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the exposed part is drawn: a zoomed scan is far larger than the window.
    const QRect exposed = event->rect();
    painter.fillRect(exposed, background_);
    const QRect shown = exposed.intersected(picture_.rect());
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), picture_, shown);
}

} // namespace ui
