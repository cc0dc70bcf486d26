#pragma once

#include <QObject>

namespace ui {
struct AdViewControls;
}

namespace view {

// Scrolling the zoomed ad moves the whole picture box, stretched so that it still reaches the far end
// of each bar; the window clips what lies outside.
class ZoomScrolling : public QObject {
    Q_OBJECT
public:
    explicit ZoomScrolling(ui::AdViewControls& view, QObject* parent = nullptr);

    void verticalChanged(int value);
    void horizontalChanged(int value);

private:
    ui::AdViewControls& view_;
};

} // namespace view
