#pragma once

#include <QObject>

namespace catalog {
class FileLister;
}
namespace platform {
class BusyCursor;
class PathResolver;
} // namespace platform
namespace state {
struct CatalogState;
struct ShownAd;
} // namespace state
namespace ui {
class Form1;
}

namespace view {

// Steps through the ads of the shown year, forward and backward with wrap-around, skipping numbers whose
// file does not load. The new ad appears in whichever view is on screen.
class AdStepping : public QObject {
    Q_OBJECT
public:
    AdStepping(ui::Form1& window, state::ShownAd& shown, const state::CatalogState& catalog,
               platform::BusyCursor& cursor, const catalog::FileLister& lister,
               const platform::PathResolver& paths, QObject* parent = nullptr);

    void ShowNextAd();
    void ShowPreviousAd();

private:
    enum class Direction { Forward, Backward };
    void step(Direction direction);

    ui::Form1& window_;
    state::ShownAd& shown_;
    const state::CatalogState& catalog_;
    platform::BusyCursor& cursor_;
    const catalog::FileLister& lister_;
    const platform::PathResolver& paths_;
};

} // namespace view
