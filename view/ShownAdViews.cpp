#include "view/ShownAdViews.h"

#include "picture/ShownAdModel.h"
#include "ui/AdViewControls.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QEvent>

namespace view {

ShownAdViews::ShownAdViews(ui::AdViewControls& view, picture::ShownAdModel& model, QObject* parent)
    : QObject(parent), view_(view), model_(model) {
    model_.setNeededSize(stretchedViewNeed());
}

QSize ShownAdViews::stretchedViewNeed() const {
    return view_.Image1->size() * view_.Image1->devicePixelRatioF();
}

void ShownAdViews::adShown() {
    view_.PicSrc->setPicture(model_.readyFullPicture());
    view_.PicSrc->resize(model_.fullSize());
    view_.Image1->setPicture(model_.pictureFor(stretchedViewNeed()));
    if (view_.picDest->isVisible())
        view_.picDest->setPicture(model_.fullPicture());
}

void ShownAdViews::fullPictureReady() {
    view_.PicSrc->setPicture(model_.readyFullPicture());
    view_.picDest->setPicture(model_.readyFullPicture());
}

void ShownAdViews::stretchedViewChanged() {
    if (!view_.picDest->isVisible())
        model_.setNeededSize(stretchedViewNeed());
    if (model_.hasAd())
        view_.Image1->setPicture(model_.pictureFor(stretchedViewNeed()));
}

bool ShownAdViews::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_.Image1 && event->type() == QEvent::Resize) {
        stretchedViewChanged();
    } else if (watched == view_.picDest && event->type() == QEvent::Show) {
        // The zoomed view shows the ad one picture pixel to one screen pixel, and so do its next ads.
        model_.setNeededSize(QSize());
        if (model_.hasAd())
            view_.picDest->setPicture(model_.fullPicture());
    } else if (watched == view_.picDest && event->type() == QEvent::Hide) {
        model_.setNeededSize(stretchedViewNeed());
    }
    return false;
}

} // namespace view
