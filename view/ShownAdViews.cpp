#include "view/ShownAdViews.h"

#include "picture/ShownAdModel.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QEvent>

namespace view {

ShownAdViews::ShownAdViews(ui::Form1& window, picture::ShownAdModel& model, QObject* parent)
    : QObject(parent), window_(window), model_(model) {
    connect(&model_, &picture::ShownAdModel::shown, this, &ShownAdViews::adShown);
    connect(&model_, &picture::ShownAdModel::fullPictureReady, this, &ShownAdViews::fullPictureReady);
    window_.Image1->installEventFilter(this);
    window_.picDest->installEventFilter(this);
    model_.setNeededSize(stretchedViewNeed());
}

QSize ShownAdViews::stretchedViewNeed() const {
    return window_.Image1->size() * window_.Image1->devicePixelRatioF();
}

void ShownAdViews::adShown() {
    window_.PicSrc->setPicture(model_.readyFullPicture());
    window_.PicSrc->resize(model_.fullSize());
    window_.Image1->setPicture(model_.pictureFor(stretchedViewNeed()));
    if (window_.picDest->isVisible())
        window_.picDest->setPicture(model_.fullPicture());
}

void ShownAdViews::fullPictureReady() {
    window_.PicSrc->setPicture(model_.readyFullPicture());
    window_.picDest->setPicture(model_.readyFullPicture());
}

void ShownAdViews::stretchedViewChanged() {
    if (!window_.picDest->isVisible())
        model_.setNeededSize(stretchedViewNeed());
    if (model_.hasAd())
        window_.Image1->setPicture(model_.pictureFor(stretchedViewNeed()));
}

bool ShownAdViews::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.Image1 && event->type() == QEvent::Resize) {
        stretchedViewChanged();
    } else if (watched == window_.picDest && event->type() == QEvent::Show) {
        // The zoomed view shows the ad one picture pixel to one screen pixel, and so do its next ads.
        model_.setNeededSize(QSize());
        if (model_.hasAd())
            window_.picDest->setPicture(model_.fullPicture());
    } else if (watched == window_.picDest && event->type() == QEvent::Hide) {
        model_.setNeededSize(stretchedViewNeed());
    }
    return false;
}

} // namespace view
