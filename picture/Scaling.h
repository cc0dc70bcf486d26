#pragma once

#include <QImage>
#include <QSize>

namespace picture {

// The picture fitted to a size, as the image controls show it: a large colour (Format_RGB32) or grey
// (Format_Grayscale8) scan is first halved with a 2 x 2 box filter as long as it stays at least that size,
// then filtered smoothly; it looks like filtering the whole scan at a fraction of the cost. A picture of
// any other format is filtered smoothly at once.
QImage stretch(const QImage& picture, QSize size);

} // namespace picture
