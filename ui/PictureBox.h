#pragma once

#include "ui/AdSurface.h"
#include <QColor>
#include <QImage>

namespace ui {

// Picture box: shows its picture unscaled from its top-left corner over its background colour. With
// auto-size it takes the size of the picture it is given.
class PictureBox : public AdSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void setBackgroundColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QColor background_ = Qt::white;
    bool autoSize_ = false;
};

} // namespace ui
