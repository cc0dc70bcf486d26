#pragma once

#include <QObject>

namespace app {
struct ProgramState;
}
namespace platform {
struct Services;
}
namespace ui {
class Form1;
}

namespace view {

// Steps through the ads of the shown year, forward and backward with wrap-around, skipping numbers whose
// file does not load. The new ad appears in whichever view is on screen.
class AdStepping : public QObject {
    Q_OBJECT
public:
    AdStepping(ui::Form1& window, app::ProgramState& state, platform::Services& services,
               QObject* parent = nullptr);

    void ShowNextAd();
    void ShowPreviousAd();

private:
    enum class Direction { Forward, Backward };
    void step(Direction direction);

    ui::Form1& window_;
    app::ProgramState& state_;
    platform::Services& services_;
};

} // namespace view
