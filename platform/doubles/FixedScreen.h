#pragma once

#include "platform/desktop/Screen.h"

namespace platform {

// One primary screen of the given size at the desktop's origin, unless the test lays out screens itself.
class FixedScreen : public Screen {
public:
    FixedScreen(double widthTwips = 12000, double heightTwips = 9000)
        : width_(widthTwips), height_(heightTwips) {}
    void setTwips(double widthTwips, double heightTwips) {
        width_ = widthTwips;
        height_ = heightTwips;
    }
    void setScreenGeometries(QList<QRect> geometries) { geometries_ = std::move(geometries); }
    void setLogicalDpi(double dpi) { dpi_ = dpi; }
    double widthTwips() const override { return width_; }
    double heightTwips() const override { return height_; }
    QList<QRect> screenGeometries() const override {
        if (!geometries_.isEmpty())
            return geometries_;
        return {QRect(0, 0, int(width_ / 15), int(height_ / 15))};
    }
    double logicalDpiAt(QPoint) const override { return dpi_; }

private:
    double width_;
    double height_;
    QList<QRect> geometries_;
    double dpi_ = 96;
};

} // namespace platform
