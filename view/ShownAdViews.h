#pragma once

#include <QObject>
#include <QSize>

namespace ui {
struct AdViewControls;
}

namespace picture {
class ShownAdModel;
}

namespace view {

// Keeps the controls showing the ad on show: the hidden full-size box takes the ad's full size at once and
// its picture when decoded; the normal and wide views get a picture that covers their size; the zoomed
// view gets the full picture when it is shown. It also tells the model what the views on screen need.
class ShownAdViews : public QObject {
    Q_OBJECT
public:
    ShownAdViews(ui::AdViewControls& view, picture::ShownAdModel& model, QObject* parent = nullptr);

    void adShown();
    void fullPictureReady();

protected:
    // Installed on the normal view (its resizes) and on the zoomed view (shown and hidden).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stretchedViewChanged();
    QSize stretchedViewNeed() const;

    ui::AdViewControls& view_;
    picture::ShownAdModel& model_;
};

} // namespace view
