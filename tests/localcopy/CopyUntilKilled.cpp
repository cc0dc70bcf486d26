// The program with its real services, on the drive table and XDG folders of its environment, which runs
// "Copy Ads" at once and goes on until the test that started it kills it part way through.

#include "app/StartUp.h"
#include "platform/RealServices.h"
#include "program/Program.h"
#include "ui/Form1.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::RealServices services;
    program::Program program(services.services(), {});
    program.start();
    program.startUp().finishSplash();
    program.mainWindow().mnuCopy->trigger();
    if (!program.mainWindow().pnlProgress->isVisible())
        return 2;
    QTimer::singleShot(0, program.mainWindow().cmdCopy, &ui::SSCommand::click);
    return QApplication::exec();
}
