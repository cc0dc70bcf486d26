#include "ui/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    stretched_ = QPixmap();
    update();
}

const QPixmap& ImageBox::stretched() {
    if (picture_.isNull())
        return stretched_;
    if (stretched_.size() != size() || stretchedKey_ != picture_.cacheKey()) {
        stretched_ = QPixmap::fromImage(
            picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        stretchedKey_ = picture_.cacheKey();
    }
    return stretched_;
}

void ImageBox::paintEvent(QPaintEvent* event) {
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.drawPixmap(event->rect(), stretched(), event->rect());
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

} // namespace ui
