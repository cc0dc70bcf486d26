#pragma once

#include <QObject>
#include <QSize>

namespace ui {
class Form1;
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
    ShownAdViews(ui::Form1& window, picture::ShownAdModel& model, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adShown();
    void fullPictureReady();
    void stretchedViewChanged();
    QSize stretchedViewNeed() const;

    ui::Form1& window_;
    picture::ShownAdModel& model_;
};

} // namespace view
