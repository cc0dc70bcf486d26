#include "app/WindowGeometry.h"

#include "ui/Units.h"

#include <QWidget>
#include <QWindow>

#include <cmath>

namespace app {
namespace {

QMargins frameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && window.isVisible() ? handle->frameMargins() : QMargins();
}

int toPixels(double twips) {
    return int(std::lround(twips / ui::TwipsPerPixel));
}

} // namespace

void applyOuterGeometry(QWidget& window, const TwipsGeometry& geometry) {
    const QMargins frame = frameMargins(window);
    window.move(toPixels(geometry.left), toPixels(geometry.top));
    window.resize(std::max(1, toPixels(geometry.width) - frame.left() - frame.right()),
                  std::max(1, toPixels(geometry.height) - frame.top() - frame.bottom()));
}

} // namespace app
