#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace platform {
class Screen;
}

namespace documents {

// Keeps a window centred on its screen (the one that holds its centre, the primary one when none does) by its
// outer size, frame included. The frame is known only once the window system has framed the shown window, so
// the window is centred again whenever its outer size turns out other than the one it was centred for; a
// window the user has moved keeps its place.
class CentredOnScreen : public QObject {
    Q_OBJECT
public:
    // Centres the window now; lives as long as the window.
    CentredOnScreen(QWidget& window, const platform::Screen& screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize outerSize() const;
    void centre();

    QWidget& window_;
    const platform::Screen& screen_;
    QSize centredFor_;
};

} // namespace documents
