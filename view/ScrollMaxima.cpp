#include "view/ScrollMaxima.h"

#include "ui/AdViewControls.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"
#include "view/ViewGeometry.h"

namespace view {

void setScrollMaxima(ui::AdViewControls& view) {
    view.VScr->setMaximumValue(geometry::verticalScrollMaximum(view.PicSrc->height(), view.VScr->height()));
    view.HScroll1->setMaximumValue(
        geometry::horizontalScrollMaximum(view.PicSrc->width(), view.HScroll1->geometry()));
}

} // namespace view
