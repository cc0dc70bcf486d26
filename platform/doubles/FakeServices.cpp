#include "platform/doubles/FakeServices.h"

#include <QDir>

namespace platform {
namespace {

QString madeFolder(const QTemporaryDir& root, const QString& relative) {
    const QString folder = root.filePath(relative);
    QDir().mkpath(folder);
    return folder;
}

} // namespace

FakeServices::FakeServices(DriveTable driveTable, std::chrono::milliseconds listingBound,
                           DiskFileLister::FolderQuery listFolder, DiskFiles::OpenQuery openFile)
    : paths(std::move(driveTable)), fileLister(paths, listingBound, std::move(listFolder)),
      folders(madeFolder(root_, QStringLiteral("program")),
              madeFolder(root_, QStringLiteral("data/VantorAds"))),
      files(paths, listingBound, std::move(openFile)), services_{messageBoxes, drives,        paths,
                                                                 fileLister,   folders,       files,
                                                                 settings,     screen,        cursor,
                                                                 taskBar,      instanceGuard, printer,
                                                                 clipboard,    shell,         clock,
                                                                 programExit,  sessionEnd} {}

} // namespace platform
