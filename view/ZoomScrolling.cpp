#include "view/ZoomScrolling.h"

#include "ui/AdViewControls.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "view/ViewGeometry.h"

namespace view {

ZoomScrolling::ZoomScrolling(ui::AdViewControls& view, QObject* parent) : QObject(parent), view_(view) {}

void ZoomScrolling::verticalChanged(int value) {
    view_.picDest->setGeometry(
        geometry::scrolledVertically(view_.picDest->geometry(), value, view_.VScr->height()));
}

void ZoomScrolling::horizontalChanged(int value) {
    view_.picDest->setGeometry(
        geometry::scrolledHorizontally(view_.picDest->geometry(), value, view_.HScroll1->geometry()));
}

} // namespace view
