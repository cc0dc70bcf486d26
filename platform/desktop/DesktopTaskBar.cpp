#include "platform/desktop/DesktopTaskBar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>

#include <xcb/xcb.h>

#include <memory>

namespace platform {
namespace {

// A window manager announces itself on the root window; without one nothing would honour a full-screen
// request.
bool x11HasWindowManager() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    static constexpr char name[] = "_NET_SUPPORTING_WM_CHECK";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr),
        &free);
    if (!screen || !atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> property(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
            nullptr),
        &free);
    return property && xcb_get_property_value_length(property.get()) > 0;
}

bool supportsFullScreen() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
    return platform == QLatin1String("xcb") && x11HasWindowManager();
}

QMainWindow* mainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(window))
            return main;
    return nullptr;
}

} // namespace

quintptr DesktopTaskBar::findTrayWindow() {
    QMainWindow* main = mainWindow();
    return main && supportsFullScreen() ? quintptr(main->winId()) : 0;
}

void DesktopTaskBar::showWindow(quintptr handle, int command) {
    QWidget* window = handle ? QWidget::find(WId(handle)) : nullptr;
    if (!window)
        return;
    if (command == ShowCommand::Hide)
        window->setWindowState((window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) |
                               Qt::WindowFullScreen);
    else if (window->isFullScreen())
        window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
}

} // namespace platform
