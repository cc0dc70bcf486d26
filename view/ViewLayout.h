#pragma once

#include <QObject>

namespace app {
struct ProgramState;
}
namespace ui {
class Form1;
}

namespace view {

class YearSelection;

// The normal, zoomed and wide views of the ad and the buttons that switch between them.
class ViewLayout : public QObject {
    Q_OBJECT
public:
    ViewLayout(ui::Form1& window, app::ProgramState& state, YearSelection& years, QObject* parent = nullptr);

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
    app::ProgramState& state_;
    YearSelection& years_;
};

} // namespace view
