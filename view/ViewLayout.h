#pragma once

#include <QObject>

namespace state {
struct CatalogState;
struct ShownAd;
struct ViewState;
} // namespace state
namespace ui {
class Form1;
}

namespace view {

class CategoryOptions;

// The normal, zoomed and wide views of the ad and the buttons that switch between them.
class ViewLayout : public QObject {
    Q_OBJECT
public:
    ViewLayout(ui::Form1& window, state::ViewState& view, const state::CatalogState& catalog,
               const state::ShownAd& shown, CategoryOptions& categories, QObject* parent = nullptr);

    void LayoutNormalView();
    void LayoutZoomView();
    void LayoutWideView();

    void zoomInClicked();
    void wideClicked();
    void toggleClicked();
    void zoomOutClicked();
    void exitClicked();

private:
    ui::Form1& window_;
    state::ViewState& view_;
    const state::CatalogState& catalog_;
    const state::ShownAd& shown_;
    CategoryOptions& categories_;
};

} // namespace view
