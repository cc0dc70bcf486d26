#include "app/WindowPlacement.h"

#include <algorithm>
#include <cmath>

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

bool overlaps(const TwipsGeometry& a, const TwipsGeometry& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// An edge moved just far enough for the window to lie within the screen's span.
double broughtBack(double edge, double size, double screenStart, double screenSize) {
    return std::clamp(edge, screenStart,
                      screenStart + std::max(0.0, screenSize - std::min(size, screenSize)));
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
    g.left = storedNumber(input.stored.left).value_or(0);
    g.top = storedNumber(input.stored.top).value_or(0);
    if (std::any_of(input.screens.begin(), input.screens.end(),
                    [&g](const TwipsGeometry& screen) { return overlaps(g, screen); }))
        return placement;
    const TwipsGeometry primary = input.screens.empty()
                                      ? TwipsGeometry{0, 0, input.screenWidthTwips, input.screenHeightTwips}
                                      : input.screens.front();
    g.left = broughtBack(g.left, g.width, primary.left, primary.width);
    g.top = broughtBack(g.top, g.height, primary.top, primary.height);
    return placement;
}

} // namespace app
