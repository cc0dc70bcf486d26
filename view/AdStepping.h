#pragma once

#include <QObject>

namespace catalog {
class FileLister;
}
namespace platform {
class BusyCursor;
}
namespace state {
struct CatalogState;
struct ShownAd;
} // namespace state
namespace ui {
struct AdViewControls;
struct LeftPanel;
} // namespace ui

namespace picture {
class ShownAdModel;
}

namespace view {

// Steps through the ads of the shown year, forward and backward with wrap-around, skipping numbers whose
// file does not load. The new ad appears in whichever view is on screen.
class AdStepping : public QObject {
    Q_OBJECT
public:
    AdStepping(const ui::LeftPanel& left, ui::AdViewControls& view, state::ShownAd& shown,
               const state::CatalogState& catalog, platform::BusyCursor& cursor,
               const catalog::FileLister& lister, picture::ShownAdModel& model, QObject* parent = nullptr);

    void ShowNextAd();
    void ShowPreviousAd();
    // Decodes ahead, on a worker, the ads the next step in either direction would show.
    void prepareNeighbours();
    // The ad a step showed from its reduced picture did not load whole after all: the step goes on past it.
    void fullPictureFailed();

private:
    enum class Direction { Forward, Backward };
    void step(Direction direction);
    // Searches for the next ad that loads and shows it; false when none did.
    bool showFound(Direction direction);

    const ui::LeftPanel& left_;
    ui::AdViewControls& view_;
    state::ShownAd& shown_;
    const state::CatalogState& catalog_;
    platform::BusyCursor& cursor_;
    const catalog::FileLister& lister_;
    picture::ShownAdModel& model_;
    Direction lastDirection_ = Direction::Forward;
    int stepShowing_ = -1; // the model's showing that the last step put on view
};

} // namespace view
