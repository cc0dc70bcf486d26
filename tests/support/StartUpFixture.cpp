#include "support/StartUpFixture.h"

#include <QDir>
#include <QFileInfo>

QString StartUpFixture::folder(const QString& relative) const {
    const QString path = fake_->root() + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

QString StartUpFixture::writeAd(const QString& relative) const {
    const QString path = fake_->root() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QString error;
    if (!samplecatalog::writeAdJpeg(path, 60, 80, QFileInfo(path).fileName(), Qt::darkRed, &error))
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

void StartUpFixture::setDrive(char letter, const QString& relative) {
    platform::DriveTable drives = fake_->paths.drives();
    drives.set(letter, folder(relative));
    fake_->paths.setDrives(drives);
}

program::Program& StartUpFixture::start(const QStringList& arguments) {
    program_ = std::make_unique<program::Program>(fake_->services(), arguments, decoder);
    program_->start();
    return *program_;
}

program::Program& StartUpFixture::startPastSplash(const QStringList& arguments) {
    start(arguments);
    program_->startUp().finishSplash();
    return *program_;
}
