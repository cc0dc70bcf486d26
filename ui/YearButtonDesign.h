#pragma once

#include <QColor>
#include <QRect>
#include <QString>

namespace ui {

// The catalog's design of one year button, in the window's terms (pixels inside the left panel).
struct YearButtonDesign {
    QString caption;
    QColor captionColour;
    QString toolTip;
    QRect geometry;
};

YearButtonDesign yearButtonDesign(int index);

} // namespace ui
