#pragma once

#include "install/CopyFigures.h"
#include "platform/FileHandle.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace catalog {
class FileLister;
}
namespace platform {
class AppFolders;
class BusyCursor;
class Files;
class MessageBoxes;
class ProgramExit;
class Screen;
} // namespace platform
namespace state {
struct CatalogState;
struct CopyState;
struct DataLocation;
struct DriveReport;
} // namespace state
namespace ui {
class Form1;
class SSPanel;
} // namespace ui

namespace install {

// "Copy CD-ROM Ads to Hard Drive": the free-space check, the progress panel and its two buttons, and the
// copy of every ad from the disc to the local copy folder, block by block with both gauges moving. The
// viewer turns to the copy only when every file arrived.
class AdCopy : public QObject {
    Q_OBJECT
public:
    AdCopy(ui::Form1& window, state::DataLocation& location, state::DriveReport& report,
           state::CatalogState& catalog, state::CopyState& copy, platform::MessageBoxes& boxes,
           platform::ProgramExit& exit, const catalog::FileLister& lister, const platform::Files& files,
           const platform::AppFolders& folders, const platform::Screen& screen, platform::BusyCursor& cursor,
           QObject* parent = nullptr);

private:
    void copyCommand();
    void copyAds();

    // The free space in kilobytes on the file system that receives the copy; 0 when it cannot be told.
    quint64 GetDisk();
    void showNotEnoughSpace(qint64 freeBytes);
    // False when the list could not be built and the user gave up.
    bool BuildAdFileList();
    // True when every file of the list arrived.
    bool CopyAdFiles();
    platform::FileStatus CopyFileWithProgress();
    void showCopyResult(const QStringList& failed);
    static void setGauge(ui::SSPanel* gauge, int value);

    ui::Form1& window_;
    state::DataLocation& location_;
    state::DriveReport& report_;
    state::CatalogState& catalog_;
    state::CopyState& copy_;
    platform::MessageBoxes& boxes_;
    platform::ProgramExit& exit_;
    const catalog::FileLister& lister_;
    const platform::Files& files_;
    const platform::AppFolders& folders_;
    const platform::Screen& screen_;
    platform::BusyCursor& cursor_;
    std::array<char, CopyBlockBytes> block_{}; // the one buffer every block of every file passes through
};

} // namespace install
