#pragma once

#include <QObject>
#include <QPoint>

class QKeyEvent;
class QWheelEvent;

namespace ui {
struct AdViewControls;
class ScrollBar;
} // namespace ui

namespace view {

// Moving the zoomed ad without aiming at the thin bars: the mouse wheel (vertical, or horizontal with
// Shift or a sideways wheel or swipe), dragging the ad like a hand, and the arrow, page and Home/End keys
// while the ad has the focus. All of them only set the bars' values, so the bars' own handling places the
// picture and their limits hold.
class ZoomHandling : public QObject {
    Q_OBJECT
public:
    // Pixels a wheel notch or an arrow key moves the ad.
    static constexpr int StepPixels = 40;

    explicit ZoomHandling(ui::AdViewControls& view, QObject* parent = nullptr);

protected:
    // Installed on the zoomed view.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wheel(QWheelEvent* event);
    bool key(QKeyEvent* event);
    static void moveBy(ui::ScrollBar* bar, int pixels);
    static void moveTo(ui::ScrollBar* bar, int value);

    ui::AdViewControls& view_;
    bool dragging_ = false;
    QPoint dragStart_;
    int verticalAtStart_ = 0;
    int horizontalAtStart_ = 0;
};

} // namespace view
