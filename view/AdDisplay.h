#pragma once

#include <QObject>

namespace catalog {
class FileLister;
}
namespace platform {
class BusyCursor;
class MessageBoxes;
class ProgramExit;
} // namespace platform
namespace state {
struct CatalogState;
struct DataLocation;
struct DriveReport;
struct ShownAd;
} // namespace state
class QWidget;

namespace ui {
struct AdViewControls;
struct LeftPanel;
} // namespace ui

namespace picture {
class ShownAdModel;
}

namespace view {

class AdStepping;

// Shows the first ad of a year in every view, counts the year's ads and prepares the stepping controls;
// handles the clicks and key presses on the year buttons.
class AdDisplay : public QObject {
    Q_OBJECT
public:
    // The window is given whole too, as it takes no input while an ad loads.
    AdDisplay(QWidget& window, ui::LeftPanel& left, ui::AdViewControls& view, state::ShownAd& shown,
              const state::CatalogState& catalog, const state::DataLocation& location,
              state::DriveReport& report, platform::MessageBoxes& boxes, platform::ProgramExit& exit,
              platform::BusyCursor& cursor, const catalog::FileLister& lister, picture::ShownAdModel& model,
              AdStepping& stepping, QObject* parent = nullptr);

    void ShowYearAd(int b);
    // The comma and full-stop keys step through the year's ads and leave the focus on the button; any
    // other key shows the button's year.
    void yearKeyDown(int b, int keyCode);
    // The failure path of a display, for a first ad shown from its reduced picture whose full picture
    // could not be decoded: the year did not load after all.
    void fullPictureFailed();

private:
    // Loads the year's first ad into the views; false when it could not be read.
    bool loadFirstAd();
    void prepareSteppingControls(const QString& caption);
    // Reports the lost data; false when the user chose Cancel and the program ends.
    bool reportFailedLoad();
    void finish(int b);

    QWidget& window_;
    ui::LeftPanel& left_;
    ui::AdViewControls& view_;
    state::ShownAd& shown_;
    const state::CatalogState& catalog_;
    const state::DataLocation& location_;
    state::DriveReport& report_;
    platform::MessageBoxes& boxes_;
    platform::ProgramExit& exit_;
    platform::BusyCursor& cursor_;
    const catalog::FileLister& lister_;
    picture::ShownAdModel& model_;
    AdStepping& stepping_;
    int displayShowing_ = -1; // the model's showing that the last year display put on view
};

} // namespace view
