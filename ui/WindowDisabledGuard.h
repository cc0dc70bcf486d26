#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// Keeps a window from taking any input for its lifetime and gives input back on every way out. Disabling
// takes the keyboard focus away from the window's controls; it goes back to where it was.
class WindowDisabledGuard {
public:
    explicit WindowDisabledGuard(QWidget& window) : window_(window), focus_(window.focusWidget()) {
        window_.setEnabled(false);
    }
    ~WindowDisabledGuard() {
        window_.setEnabled(true);
        if (focus_ && focus_->isEnabled())
            focus_->setFocus(Qt::OtherFocusReason);
    }
    WindowDisabledGuard(const WindowDisabledGuard&) = delete;
    WindowDisabledGuard& operator=(const WindowDisabledGuard&) = delete;

private:
    QWidget& window_;
    QPointer<QWidget> focus_;
};

} // namespace ui
