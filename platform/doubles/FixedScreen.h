#pragma once

#include "platform/Screen.h"

namespace platform {

class FixedScreen : public Screen {
public:
    FixedScreen(double widthTwips = 12000, double heightTwips = 9000)
        : width_(widthTwips), height_(heightTwips) {}
    void setTwips(double widthTwips, double heightTwips) {
        width_ = widthTwips;
        height_ = heightTwips;
    }
    double widthTwips() const override { return width_; }
    double heightTwips() const override { return height_; }

private:
    double width_;
    double height_;
};

} // namespace platform
