#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace app {

// A window's place and size in twips, as the settings store them.
struct TwipsGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct StoredPlacement {
    std::optional<QString> left, top, width, height; // "MainLeft", "MainTop", "MainWidth", "MainHeight"
};

struct PlacementInput {
    bool screenIs800x600 = false;
    double screenWidthTwips = 0; // the primary screen
    double screenHeightTwips = 0;
    std::vector<TwipsGeometry> screens; // where every connected screen lies, the primary first
    TwipsGeometry design;               // the window as designed, for values that cannot be read
    TwipsGeometry computed;             // the size fitted to the ad image and the ad number box
    StoredPlacement stored;
};

struct Placement {
    TwipsGeometry geometry;
    bool hideTaskBarCommand = false;
};

// A stored text as a single-precision number; nothing for text that is not a finite number.
std::optional<double> storedNumber(const std::optional<QString>& text);

// Sizes and places the main window at start. Stored sizes are trusted only as far as they give a usable
// window no larger than the primary screen; anything else falls back as an unreadable value would. A
// stored place is kept wherever the window shows on any connected screen, however little; only a window
// that would lie off every screen is brought back onto the primary one.
Placement placeMainWindow(const PlacementInput& input);

// The smallest window the settings may ask for, in twips.
inline constexpr double MinimumWidthTwips = 320 * 15;
inline constexpr double MinimumHeightTwips = 240 * 15;

} // namespace app
