#pragma once

class QTimer;
class QWidget;
class QObject;

namespace ui {

class SSPanel;

// The status strip under the left panel: weekday, date and time, the product caption, and the clock's timer.
struct StatusStrip {
    SSPanel* StatusDay = nullptr;
    SSPanel* StatusDate = nullptr;
    SSPanel* StatusTime = nullptr;
    SSPanel* PnlCoStar = nullptr;
    QTimer* Timer1 = nullptr;

    void buildStatusStrip(QWidget* central, QObject* timerOwner);
};

} // namespace ui
