#pragma once

#include "localcopy/CopyFigures.h"
#include "platform/files/FileHandle.h"

#include <QList>
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
class SessionEnd;
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

namespace localcopy {

// "Copy CD-ROM Ads to Hard Drive": the free-space check, the progress panel and its two buttons, and the
// copy of every ad from the disc to the local copy folder, block by block with both gauges moving. The
// viewer turns to the copy, now and at later starts, only when every file arrived; a request to close the
// window waits for the end of the copy, and the end of the session stops it between two files.
class AdCopy : public QObject {
    Q_OBJECT
public:
    AdCopy(ui::Form1& window, state::DataLocation& location, state::DriveReport& report,
           state::CatalogState& catalog, state::CopyState& copy, platform::MessageBoxes& boxes,
           platform::ProgramExit& exit, const catalog::FileLister& lister, const platform::Files& files,
           const platform::AppFolders& folders, const platform::Screen& screen, platform::BusyCursor& cursor,
           platform::SessionEnd& sessionEnd, QObject* parent = nullptr);

private:
    // A file that did not arrive, and why.
    struct Failure {
        QString name;
        QString reason;
    };
    // Where copying one file failed: the disc's side, making a file in the copy folder, or writing it.
    enum class FailedAt { Nothing, Source, TargetFolder, TargetWrite };
    struct FileOutcome {
        platform::FileStatus status;
        FailedAt at = FailedAt::Nothing;
    };

    void copyCommand();
    void copyAds();

    // The free space in kilobytes on the file system that receives the copy; 0 when it cannot be told.
    quint64 GetDisk();
    void showNotEnoughSpace(qint64 freeBytes);
    // False when the list could not be built and the user gave up.
    bool BuildAdFileList();
    // True when every file of the list arrived and the copy is recorded as complete.
    bool CopyAdFiles();
    QList<Failure> copyEachFile();
    FileOutcome CopyFileWithProgress();
    // True when the failure is one every file still to come would meet: the disc gone, the disk full, or
    // no file can be made in the copy folder.
    bool failsEveryFile(const FileOutcome& outcome) const;
    // Puts the record that vouches for a complete copy on the disk, after the copied files themselves.
    platform::FileStatus recordCompleteCopy();
    void showCopyResult(const QList<Failure>& failed);
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
    bool sessionEnding_ = false;
    std::array<char, CopyBlockBytes> block_{}; // the one buffer every block of every file passes through
};

} // namespace localcopy
