#include "app/MainWindowClosing.h"

#include "platform/desktop/ProgramExit.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/desktop/TaskBar.h"
#include "state/ProgramState.h"
#include "ui/Form1.h"
#include "ui/Units.h"

#include <QAction>
#include <QTextStream>

namespace app {

QString settingText(double twips) {
    return QString::number(double(float(twips)), 'g', 7);
}

MainWindowClosing::MainWindowClosing(ui::Form1& window, const state::TaskBarState& taskBar,
                                     platform::TaskBar& bar, platform::SettingsStore& settings,
                                     platform::ProgramExit& exit, platform::SessionEnd& sessionEnd,
                                     QObject* parent)
    : QObject(parent), window_(window), taskBar_(taskBar), bar_(bar), settings_(settings), exit_(exit) {
    connect(window_.mnuExit, &QAction::triggered, &window_, &ui::Form1::close);
    connect(&sessionEnd, &platform::SessionEnd::endRequested, &window_, &ui::Form1::close);
    connect(&window_, &ui::Form1::closing, this, &MainWindowClosing::closing);
}

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
