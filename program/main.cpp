#include "platform/RealServices.h"
#include "platform/desktop/SessionPlatform.h"
#include "program/Program.h"

#include <QApplication>

#include <vector>

int main(int argc, char* argv[]) {
    // The session's platform goes to Qt as a command-line option rather than through the environment, so
    // that the programs the viewer opens (the browser) keep the session's own choice.
    QByteArray option("-platform");
    QByteArray platformName = platform::sessionPlatform(platform::currentSessionFacts(argc, argv));
    std::vector<char*> qtArguments(argv, argv + argc);
    if (!platformName.isEmpty())
        qtArguments.insert(qtArguments.begin() + 1, {option.data(), platformName.data()});
    int qtArgumentCount = int(qtArguments.size());
    qtArguments.push_back(nullptr);

    QApplication application(qtArgumentCount, qtArguments.data());
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
