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
    picture::AdDecoder decoder = picture::decodeAdPicture;

    QString folder(const QString& relative) const;

    // A small real ad page at root/relative (folders made as needed).
    QString writeAd(const QString& relative) const;

    void setDrive(char letter, const QString& relative);

    program::Program& start(const QStringList& arguments = {});

    // Starts and skips the three seconds of the splash.
    program::Program& startPastSplash(const QStringList& arguments = {});

    program::Program& program() { return *program_; }

private:
    std::unique_ptr<platform::FakeServices> fake_;
    std::unique_ptr<program::Program> program_;
};
