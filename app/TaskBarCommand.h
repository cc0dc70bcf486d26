#pragma once

#include <QObject>
#include <QSize>

#include <optional>

class QWidget;

namespace platform {
class Screen;
class TaskBar;
} // namespace platform
namespace state {
struct TaskBarState;
}
namespace ui {
struct MainMenus;
}

namespace app {

// "HideStatusBar" / "ShowStatusBar": hides the task bar and lets the main window fill the screen, or shows
// the task bar again. The command's caption is the only record of the state; any change of the window's
// size by the user brings a hidden task bar back.
class TaskBarCommand : public QObject {
    Q_OBJECT
public:
    TaskBarCommand(QWidget& window, ui::MainMenus& menus, state::TaskBarState& taskBar,
                   platform::TaskBar& bar, const platform::Screen& screen, QObject* parent = nullptr);

    void clicked();

protected:
    // Installed on the main window: its resizes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resized(QSize size);

    QWidget& window_;
    ui::MainMenus& menus_;
    state::TaskBarState& taskBar_;
    platform::TaskBar& bar_;
    const platform::Screen& screen_;
    // The size the command itself gave the window, or the one the window gets back when it leaves the
    // full-screen state: their resize events may come long after the command (the window system answers
    // in its own time) and must not count as the user's.
    std::optional<QSize> ownSize_;
};

} // namespace app
