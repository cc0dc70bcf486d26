#pragma once

#include "ui/Units.h"

namespace state {

// True when the screen measures exactly width x height pixels at 15 twips a pixel.
constexpr bool IsScreenSize(double screenWidthTwips, double screenHeightTwips, int width, int height) {
    return screenWidthTwips == double(width) * ui::TwipsPerPixel &&
           screenHeightTwips == double(height) * ui::TwipsPerPixel;
}

} // namespace state
