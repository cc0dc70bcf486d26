#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>

// Where the controls of the three ad views go, computed from the places of the controls they depend on,
// so that a change of the window's design carries through.
namespace view::geometry {

// Scroll values and maxima are 16-bit; a picture too large for that range still scrolls as far as it can.
constexpr int toScrollRange(long long value) {
    return int(std::clamp<long long>(value, -32768, 32767));
}

// The ad's lower edge stops at the lower end of the vertical bar.
constexpr int verticalScrollMaximum(int pictureHeight, int barHeight) {
    return toScrollRange(static_cast<long long>(pictureHeight) - barHeight);
}

// The ad's right edge stops at the right end of the horizontal bar; a narrow ad gives a negative maximum.
constexpr int horizontalScrollMaximum(int pictureWidth, const QRect& bar) {
    return toScrollRange(static_cast<long long>(pictureWidth) - (bar.left() + bar.width()));
}

// Normal view: "Zoom In" sits just above "Exit" (both inside the left panel).
constexpr QPoint zoomButtonAboveExit(const QRect& exitButton, int zoomButtonHeight) {
    return {exitButton.left(), exitButton.top() - zoomButtonHeight};
}

// The zoomed view's box reaches from 8 pixels in to the vertical bar, and down to 30 pixels above the
// status caption panel.
constexpr int zoomedHeight(const QRect& statusCaption) {
    return statusCaption.top() - 30;
}
constexpr QRect zoomedPicture(const QRect& zoomOutButton, int verticalBarWidth, const QRect& statusCaption) {
    return {8, 0, zoomOutButton.width() + zoomOutButton.left() - verticalBarWidth,
            zoomedHeight(statusCaption)};
}

// The caption panel of the enlarged views stands 2 pixels right of the counter box.
constexpr int captionPanelLeft(const QRect& counter) {
    return counter.left() + counter.width() + 2;
}

// The wide view stretches the ad over the window, keeping its top, down to 20 pixels above "Zoom Out".
constexpr QRect widePicture(const QRect& zoomOutButton, int pictureTop) {
    return {6, pictureTop, zoomOutButton.width() + zoomOutButton.left(), zoomOutButton.top() - 20};
}

// In the wide view "Zoom In" is parked at the window height of "Zoom Out", below the lower edge of its
// panel, where it cannot be seen.
constexpr int parkedZoomButtonTop(const QRect& zoomOutButton) {
    return zoomOutButton.top();
}

// The stepping controls: the spin control 3 pixels into the picture's frame, the counter right after it,
// the year caption 2 pixels right of the counter.
constexpr int spinLeft(const QRect& picture) {
    return picture.left() + 3;
}
constexpr int counterLeft(const QRect& spin) {
    return spin.left() + spin.width() + 1;
}

// Scrolling moves the whole zoomed box and stretches it so that it still reaches the bar's far end.
constexpr QRect scrolledVertically(const QRect& box, int value, int barHeight) {
    return {box.left(), -value, box.width(), value + barHeight};
}
constexpr QRect scrolledHorizontally(const QRect& box, int value, const QRect& bar) {
    return {-value, box.top(), value + bar.left() + bar.width(), box.height()};
}

} // namespace view::geometry
