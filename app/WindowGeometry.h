#pragma once

#include "app/WindowPlacement.h"

class QWidget;

namespace app {

// Gives a top-level window its outer place and size (frame included, as the settings keep them) from
// twips, at the program's fixed 15 twips a pixel.
void applyOuterGeometry(QWidget& window, const TwipsGeometry& geometry);

// The main window as designed, used where a stored size cannot be read: the designed client area of
// 12060 x 8460 twips with a thin frame, a title bar and the menu bar around it.
inline constexpr TwipsGeometry DesignedMainWindow{0, 0, 12180, 9195};

} // namespace app
