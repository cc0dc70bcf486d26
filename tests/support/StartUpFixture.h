#pragma once

#include "app/StartUp.h"
#include "platform/doubles/FakeServices.h"
#include "program/Program.h"
#include "tools/makecatalog/SampleCatalog.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <memory>

// A program on fake services whose drive letters point at folders of a temporary folder, where the tests
// put real JPEG files.
class StartUpFixture {
public:
    StartUpFixture() : fake_(std::make_unique<platform::FakeServices>()) {}
    // Drive listings under a time bound of the test's own, through a query of its own (a slow drive).
    StartUpFixture(std::chrono::milliseconds listingBound, platform::DiskFileLister::FolderQuery listFolder)
        : fake_(std::make_unique<platform::FakeServices>(platform::DriveTable(), listingBound,
                                                         std::move(listFolder))) {}

    platform::FakeServices& fake() { return *fake_; }
    // How the program decodes the ads it shows; set before the start.
    view::AdDecoder decoder = view::decodeAdPicture;

    QString folder(const QString& relative) const {
        const QString path = fake_->root() + QLatin1Char('/') + relative;
        QDir().mkpath(path);
        return path;
    }

    // A small real ad page at root/relative (folders made as needed).
    QString writeAd(const QString& relative) const {
        const QString path = fake_->root() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        QString error;
        if (!samplecatalog::writeAdJpeg(path, 60, 80, QFileInfo(path).fileName(), Qt::darkRed, &error))
            qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
        return path;
    }

    void setDrive(char letter, const QString& relative) {
        platform::DriveTable drives = fake_->paths.drives();
        drives.set(letter, folder(relative));
        fake_->paths.setDrives(drives);
    }

    program::Program& start(const QStringList& arguments = {}) {
        program_ = std::make_unique<program::Program>(fake_->services(), arguments, decoder);
        program_->start();
        return *program_;
    }

    // Starts and skips the three seconds of the splash.
    program::Program& startPastSplash(const QStringList& arguments = {}) {
        start(arguments);
        program_->startUp().finishSplash();
        return *program_;
    }

    program::Program& program() { return *program_; }

private:
    std::unique_ptr<platform::FakeServices> fake_;
    std::unique_ptr<program::Program> program_;
};
