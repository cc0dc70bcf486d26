#pragma once

namespace ui {
class Form1;
}

namespace view {

// Fits both scroll ranges to the full-size ad in PicSrc.
void setScrollMaxima(ui::Form1& window);

} // namespace view
