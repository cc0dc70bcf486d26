#include "app/WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace app {

std::optional<double> storedNumber(const std::optional<QString>& text) {
    if (!text)
        return std::nullopt;
    bool ok = false;
    const float value = text->trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return double(value);
}

namespace {

// A stored size is used when it is a number no smaller than the usable minimum; either way the window
// is never larger than the screen.
double storedSize(const std::optional<QString>& text, double fallback, double minimum, double screen) {
    const std::optional<double> value = storedNumber(text);
    const double size = value && *value >= minimum ? *value : fallback;
    return std::min(size, std::max(screen, minimum));
}

// A stored edge is kept within the screen, so that the window always opens where it can be seen.
double storedEdge(const std::optional<QString>& text, double fallback, double size, double screen) {
    const double edge = storedNumber(text).value_or(fallback);
    return std::clamp(edge, 0.0, std::max(0.0, screen - std::min(size, screen)));
}

} // namespace

Placement placeMainWindow(const PlacementInput& input) {
    Placement placement;
    TwipsGeometry& g = placement.geometry;
    if (input.screenIs800x600) {
        // Without stored values the window fills the screen; a value that cannot be read keeps the design.
        const StoredPlacement& s = input.stored;
        g.width = s.width ? storedSize(s.width, input.design.width, MinimumWidthTwips, input.screenWidthTwips)
                          : input.screenWidthTwips;
        g.height =
            s.height ? storedSize(s.height, input.design.height, MinimumHeightTwips, input.screenHeightTwips)
                     : input.screenHeightTwips;
    } else {
        placement.hideTaskBarCommand = true;
        g.width = input.computed.width;
        g.height = input.computed.height;
    }
    g.left = storedEdge(input.stored.left, 0, g.width, input.screenWidthTwips);
    g.top = storedEdge(input.stored.top, 0, g.height, input.screenHeightTwips);
    return placement;
}

} // namespace app
