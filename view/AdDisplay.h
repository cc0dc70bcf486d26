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

class AdStepping;

// Shows the first ad of a year in every view, counts the year's ads and prepares the stepping controls;
// handles the clicks and key presses on the year buttons.
class AdDisplay : public QObject {
    Q_OBJECT
public:
    AdDisplay(ui::Form1& window, app::ProgramState& state, platform::Services& services, AdStepping& stepping,
              QObject* parent = nullptr);

    void ShowYearAd(int b);
    // The comma and full-stop keys step through the year's ads and leave the focus on the button; any
    // other key shows the button's year.
    void yearKeyDown(int b, int keyCode);

private:
    // Loads the year's first ad into the views; false when it could not be read.
    bool loadFirstAd();
    void prepareSteppingControls(const QString& caption);
    void finish(int b);

    ui::Form1& window_;
    app::ProgramState& state_;
    platform::Services& services_;
    AdStepping& stepping_;
};

} // namespace view
