#pragma once

#include "rtf/RtfReader.h"

#include <QRect>

namespace ui {

// Controls placed inside panels, window sizes and the printer are measured in twips; the program always
// converts with this fixed ratio, whatever the screen's real resolution. The rich-text reader, below every
// other layer, holds it, so that documents are built at the same ratio.
inline constexpr int TwipsPerPixel = int(rtf::TwipsPerPixel);
inline constexpr int TwipsPerInch = 1440;

constexpr int pixelsFromTwips(int twips) {
    return twips / TwipsPerPixel;
}
constexpr int twipsFromPixels(int pixels) {
    return pixels * TwipsPerPixel;
}

inline QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height)};
}

} // namespace ui
