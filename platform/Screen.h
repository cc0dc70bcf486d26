#pragma once

namespace platform {

// Twips for a length in pixels on a screen of the given logical resolution: 15 a pixel at 96 DPI,
// 12 at 120 DPI.
double pixelsToTwips(double pixels, double logicalDpi);

class Screen {
public:
    virtual ~Screen() = default;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
};

// The primary screen.
class PrimaryScreen : public Screen {
public:
    double widthTwips() const override;
    double heightTwips() const override;
};

} // namespace platform
