#include "app/TaskBarCommand.h"

#include "app/WindowGeometry.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/TaskBar.h"
#include "state/ProgramState.h"
#include "ui/MainMenus.h"

#include <QAction>
#include <QResizeEvent>
#include <QWidget>

namespace app {
namespace {

const QString HideCaption = QStringLiteral("HideStatusBar");
const QString ShowCaption = QStringLiteral("ShowStatusBar");

} // namespace

TaskBarCommand::TaskBarCommand(QWidget& window, ui::MainMenus& menus, state::TaskBarState& taskBar,
                               platform::TaskBar& bar, const platform::Screen& screen, QObject* parent)
    : QObject(parent), window_(window), menus_(menus), taskBar_(taskBar), bar_(bar), screen_(screen) {}

void TaskBarCommand::clicked() {
    taskBar_.TrayWindow = bar_.findTrayWindow();
    if (menus_.mnuHideStatus->text() != HideCaption) {
        bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::ShowNormal);
        menus_.mnuHideStatus->setText(HideCaption);
        ownSize_.reset();
        return;
    }
    // Leaving the full-screen state, as a web link does, gives the window back the size it has now.
    const QSize normalSize = window_.normalGeometry().size();
    bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::Hide);
    window_.setWindowState(window_.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (window_.isFullScreen()) {
        ownSize_ = normalSize;
    } else {
        applyOuterGeometry(window_, {0, 0, screen_.widthTwips(), screen_.heightTwips()});
        ownSize_ = window_.size();
    }
    // Only now: the resize events the window has already had find the caption unchanged.
    menus_.mnuHideStatus->setText(ShowCaption);
}

bool TaskBarCommand::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize)
        resized(static_cast<QResizeEvent*>(event)->size());
    return false;
}

void TaskBarCommand::resized(QSize size) {
    if (menus_.mnuHideStatus->text() == HideCaption)
        return;
    // A window in the full-screen state cannot be resized by the user: those sizes are the command's own.
    if (window_.isFullScreen() || (ownSize_ && size == *ownSize_))
        return;
    bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::ShowNormal);
    menus_.mnuHideStatus->setText(HideCaption);
    ownSize_.reset();
}

} // namespace app
