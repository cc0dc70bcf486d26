#pragma once

#include <QImage>

namespace ui::artwork {

// The program's own pictures, drawn at start rather than stored, so they cost nothing on disk.
QImage splashCover();          // 600 x 363, the cover of the splash window
QImage openingCollage();       // 475 x 555, a collage of emblems shown before the first ad
QImage progressIllustration(); // 436 x 128, beside the copy gauges
QImage aboutPhoto();           // 613 x 306, the car in the About window
QImage emblem();               // 165 x 83, the car's emblem in the About window
QImage printerIcon();          // 16 x 16, the document window's print button
QImage applicationIcon(int size);

} // namespace ui::artwork
