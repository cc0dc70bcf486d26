#include "ui/YearButtonDesign.h"

#include "catalog/YearButtons.h"
#include "ui/Units.h"

namespace ui {

YearButtonDesign yearButtonDesign(int index) {
    const catalog::Rgb colour = catalog::captionColour(index);
    const catalog::TwipRect place = catalog::yearButtonGeometry(index);
    const std::string_view tip = catalog::toolTip(index);
    return {QString::fromStdString(catalog::designCaption(index)),
            QColor(colour.red, colour.green, colour.blue),
            QString::fromUtf8(tip.data(), qsizetype(tip.size())),
            rectFromTwips(place.left, place.top, place.width, place.height)};
}

} // namespace ui
