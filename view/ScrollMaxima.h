#pragma once

namespace ui {
struct AdViewControls;
}

namespace view {

// Fits both scroll ranges to the full-size ad in PicSrc.
void setScrollMaxima(ui::AdViewControls& view);

} // namespace view
