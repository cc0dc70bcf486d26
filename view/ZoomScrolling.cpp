#include "view/ZoomScrolling.h"

#include "ui/Form1.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "view/ViewGeometry.h"

namespace view {

ZoomScrolling::ZoomScrolling(ui::Form1& window, QObject* parent) : QObject(parent), window_(window) {
    connect(window_.VScr, &ui::ScrollBar::valueChanged, this, &ZoomScrolling::verticalChanged);
    connect(window_.HScroll1, &ui::ScrollBar::valueChanged, this, &ZoomScrolling::horizontalChanged);
}

void ZoomScrolling::verticalChanged(int value) {
    window_.picDest->setGeometry(
        geometry::scrolledVertically(window_.picDest->geometry(), value, window_.VScr->height()));
}

void ZoomScrolling::horizontalChanged(int value) {
    window_.picDest->setGeometry(
        geometry::scrolledHorizontally(window_.picDest->geometry(), value, window_.HScroll1->geometry()));
}

} // namespace view
