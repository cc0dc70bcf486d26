#pragma once

#include <QWidget>

namespace view {

// Keeps a window from taking any input for its lifetime and gives input back on every way out.
class WindowDisabledGuard {
public:
    explicit WindowDisabledGuard(QWidget& window) : window_(window) { window_.setEnabled(false); }
    ~WindowDisabledGuard() { window_.setEnabled(true); }
    WindowDisabledGuard(const WindowDisabledGuard&) = delete;
    WindowDisabledGuard& operator=(const WindowDisabledGuard&) = delete;

private:
    QWidget& window_;
};

} // namespace view
