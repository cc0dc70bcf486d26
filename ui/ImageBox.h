#pragma once

#include "ui/AdSurface.h"
#include <QImage>
#include <QPixmap>

#include <array>

namespace ui {

// Image control: shows its picture stretched to its own size (picture::stretch). The stretched copy is made
// once per picture and size, and the last two sizes are kept, so switching between the normal and
// the wide view costs nothing and painting stays cheap however large the scan is.
class ImageBox : public AdSurface {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // An image control is drawn with the window beneath its other controls: it comes to the front only
    // of its sibling image and label controls, never over a button, panel, box or bar.
    void bringToFront();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& stretched();

    struct Stretched {
        QPixmap pixmap;
        qint64 pictureKey = 0;
    };

    QImage picture_;
    std::array<Stretched, 2> cache_;
    int newest_ = 0;
};

} // namespace ui
