#include "view/ScrollMaxima.h"

#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "view/ViewGeometry.h"

namespace view {

void setScrollMaxima(ui::Form1& window) {
    window.VScr->setMaximumValue(
        geometry::verticalScrollMaximum(window.PicSrc->height(), window.VScr->height()));
    window.HScroll1->setMaximumValue(
        geometry::horizontalScrollMaximum(window.PicSrc->width(), window.HScroll1->geometry()));
}

} // namespace view
