#include "platform/RealServices.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VantorAds"));
    QApplication::setOrganizationName(QStringLiteral("VantorAds"));
    QApplication::setApplicationVersion(QStringLiteral("2.10"));
    QApplication::setDesktopFileName(QStringLiteral("vantorads"));

    platform::RealServices services;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    program::Program program(services.services(), arguments);
    program.start();
    return QApplication::exec();
}
