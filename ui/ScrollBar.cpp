#include "ui/ScrollBar.h"

namespace ui {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    setTracking(false);
    setRange(0, 0);
}

void ScrollBar::setMaximumValue(int maximum) {
    maximum_ = maximum;
    // A range from 0 down to a negative end is shown reversed, so that the start of the bar stays 0.
    const bool reversed = maximum < 0;
    setInvertedAppearance(reversed);
    if (reversed)
        setRange(maximum, 0);
    else
        setRange(0, maximum);
}

} // namespace ui
