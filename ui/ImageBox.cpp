#include "ui/ImageBox.h"

#include "picture/Scaling.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

namespace ui {

ImageBox::ImageBox(QWidget* parent) : AdSurface(parent) {}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

const QPixmap& ImageBox::stretched() {
    for (const Stretched& entry : cache_)
        if (entry.pictureKey == picture_.cacheKey() && entry.pixmap.size() == size())
            return entry.pixmap;
    newest_ = 1 - newest_;
    cache_[size_t(newest_)] = {QPixmap::fromImage(picture::stretch(picture_, size())), picture_.cacheKey()};
    return cache_[size_t(newest_)].pixmap;
}

void ImageBox::bringToFront() {
    raise();
    const QWidget* parent = parentWidget();
    if (!parent)
        return;
    // Children are listed from the bottom of the stack to its top.
    for (QObject* sibling : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(sibling);
        if (widget && widget != this && !widget->isWindow() && !qobject_cast<ImageBox*>(widget) &&
            !qobject_cast<QLabel*>(widget)) {
            stackUnder(widget);
            return;
        }
    }
}

void ImageBox::paintEvent(QPaintEvent* event) {
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.drawPixmap(event->rect(), stretched(), event->rect());
}

} // namespace ui
