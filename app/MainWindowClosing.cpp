#include "app/MainWindowClosing.h"

#include "platform/desktop/ProgramExit.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/desktop/TaskBar.h"
#include "state/ProgramState.h"
#include "ui/Units.h"

#include <QTextStream>
#include <QWidget>

namespace app {

QString settingText(double twips) {
    return QString::number(double(float(twips)), 'g', 7);
}

MainWindowClosing::MainWindowClosing(const QWidget& window, const state::TaskBarState& taskBar,
                                     platform::TaskBar& bar, platform::SettingsStore& settings,
                                     platform::ProgramExit& exit, QObject* parent)
    : QObject(parent), window_(window), taskBar_(taskBar), bar_(bar), settings_(settings), exit_(exit) {}

void MainWindowClosing::closing(Qt::WindowStates windowState) {
    bar_.showWindow(taskBar_.TrayWindow, platform::ShowCommand::ShowNormal);
    // A minimized window keeps the last place it had on the screen; a window that never opened (the end
    // came during the splash) has no place of its own to keep.
    if (window_.isVisible() && !(windowState & Qt::WindowMinimized)) {
        const QRect frame = window_.frameGeometry();
        const std::pair<const char*, int> values[] = {{"MainLeft", frame.left()},
                                                      {"MainTop", frame.top()},
                                                      {"MainWidth", frame.width()},
                                                      {"MainHeight", frame.height()}};
        bool stored = true;
        for (const auto& [key, pixels] : values)
            stored = settings_.write(QStringLiteral("Settings"), QString::fromLatin1(key),
                                     settingText(ui::twipsFromPixels(pixels))) &&
                     stored;
        // Nothing stops the program from ending; the previous settings stay as they were.
        if (!stored)
            QTextStream(stderr) << "VantorAds: the window's place and size could not be stored.\n";
    }
    exit_.endNow();
}

} // namespace app
