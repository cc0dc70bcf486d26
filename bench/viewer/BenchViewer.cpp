#include "BenchViewer.h"

#include "ScanLikePage.h"

#include "app/StartUp.h"
#include "picture/ShownAdModel.h"
#include "tools/makecatalog/SampleCatalog.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/SSCommand.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

platform::Services withFiles(const platform::Services& s, platform::Files& files) {
    return {s.messageBoxes, s.drives, s.paths,  s.fileLister,  s.folders,       files,
            s.settings,     s.screen, s.cursor, s.taskBar,     s.instanceGuard, s.printer,
            s.clipboard,    s.shell,  s.clock,  s.programExit, s.sessionEnd};
}

} // namespace

BenchViewer::BenchViewer() : services(withFiles(fake.services(), disc)) {
    ads = fake.root() + QStringLiteral("/cd/ads");
    QDir().mkpath(ads);
    useDrive(fake.root() + QStringLiteral("/cd"));
}

void BenchViewer::useDrive(const QString& folderOrImage) {
    platform::DriveTable drives;
    drives.set('D', folderOrImage);
    fake.paths.setDrives(drives);
}

QString BenchViewer::drawn(const QString& name, int width, int height) {
    const QString path = ads + QLatin1Char('/') + name;
    QString error;
    if (!samplecatalog::writeAdJpeg(path, width, height, name, QColor(40, 80, 160), &error))
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

QString BenchViewer::scan(const QString& name, unsigned seed) {
    const QString path = ads + QLatin1Char('/') + name;
    QFile file(path);
    const QByteArray jpeg = scanLikeJpeg(2550, 3300, seed);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void BenchViewer::start() {
    program = std::make_unique<program::Program>(services, QStringList());
    program->start();
    program->startUp().finishSplash();
}

ui::Form1& BenchViewer::window() {
    return program->mainWindow();
}

picture::ShownAdModel& BenchViewer::model() {
    return program->shownAd();
}

void BenchViewer::settle() {
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        if (model().aheadIdle() && (!model().hasAd() || !model().readyFullPicture().isNull()))
            return;
        QThread::msleep(2);
    }
    qFatal("the workers did not come to rest");
}

void BenchViewer::showYear(int button) {
    click(window().cmdYear[size_t(button)]);
}

void BenchViewer::click(QAbstractButton* button) {
    button->click();
    QCoreApplication::processEvents();
    if (window().Image1->isVisible())
        window().Image1->repaint();
    else
        window().picDest->repaint();
}
