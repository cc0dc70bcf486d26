#pragma once

#include <QImage>

namespace ui {
class Form1;
}

namespace view {

// Fits both scroll ranges to the full-size ad in PicSrc.
void setScrollMaxima(ui::Form1& window);

// Puts one decoded ad into the hidden full-size box, the zoomed box and the normal view's image. The
// three share the one picture; none holds a copy of its pixels.
void showInAllViews(ui::Form1& window, const QImage& picture);

} // namespace view
