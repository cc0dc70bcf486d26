#pragma once

#include <QScrollBar>

namespace ui {

// Scroll bar whose minimum stays 0 while its maximum may be set below it: the bar then runs from 0 at its
// start to the negative maximum at its end, as the picture boxes of the zoomed view expect. The value
// changes when the user lets go of the thumb, not while dragging.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    int maximumValue() const { return maximum_; }
    void setMaximumValue(int maximum);

private:
    int maximum_ = 0;
};

} // namespace ui
