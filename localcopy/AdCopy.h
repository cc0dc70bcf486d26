#pragma once

#include "localcopy/CopyFigures.h"
#include "platform/files/FileHandle.h"
#include "platform/files/ReplacementFile.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <array>
#include <future>
#include <map>
#include <memory>

namespace catalog {
class FileLister;
}
namespace platform {
class AppFolders;
class PendingOpen;
class ReplacementFile;
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
class QWidget;

namespace ui {
struct ProgressPanel;
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
    // The window is given whole too: it takes no input and holds back its closing while the copy runs.
    AdCopy(QWidget& window, ui::ProgressPanel& progress, state::DataLocation& location,
           state::DriveReport& report, state::CatalogState& catalog, state::CopyState& copy,
           platform::MessageBoxes& boxes, platform::ProgramExit& exit, const catalog::FileLister& lister,
           const platform::Files& files, const platform::AppFolders& folders, const platform::Screen& screen,
           platform::BusyCursor& cursor, QObject* parent = nullptr);

    // The menu command: the free-space check, then the progress panel with its two buttons.
    void copyCommand();
    // The panel's copy button.
    void copyAds();
    // The end of the session: a running copy stops after the block being copied; otherwise the window's
    // own closing ends the program.
    void sessionEnds();

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
        std::unique_ptr<platform::ReplacementFile> written; // every byte written, still to be committed
    };

    // The free space in kilobytes on the file system that receives the copy; 0 when it cannot be told.
    quint64 GetDisk();
    void showNotEnoughSpace(qint64 freeBytes);
    // False when the list could not be built and the user gave up.
    bool BuildAdFileList();
    // True when every file of the list arrived and the copy is recorded as complete.
    bool CopyAdFiles();
    QList<Failure> copyEachFile();
    // An entry of the ad list begun: its disc file read ahead and its file in the copy folder being made,
    // each on a thread of its own; neither for a name that is no plain file name.
    struct BegunFile {
        std::unique_ptr<platform::PendingOpen> source;
        std::future<platform::ReplacementResult> target;
    };
    BegunFile begin(int index) const;
    QString sourcePath(int index) const;
    QString targetPath(int index) const;
    // Reads the source of current_, copying it to its target; what it wrote is left to be committed.
    FileOutcome CopyFileWithProgress();
    // Notes the failure of a file; true when every file still to come would meet it too: the disc gone,
    // the disk full, or no file can be made in the copy folder. Any other failure is shown at once, unless
    // the copy is stopping already.
    bool noteFailure(std::map<int, Failure>& failed, int index, const FileOutcome& outcome, bool stopping);
    bool failsEveryFile(const FileOutcome& outcome) const;
    // Puts the record that vouches for a complete copy on the disk, after the copied files themselves.
    platform::FileStatus recordCompleteCopy();
    void showCopyResult(const QList<Failure>& failed);
    static void setGauge(ui::SSPanel* gauge, int value);

    QWidget& window_;
    ui::ProgressPanel& progress_;
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
    BegunFile current_;                        // the file CopyFileWithProgress copies
    std::array<char, CopyBlockBytes> block_{}; // the one buffer every block of every file passes through
};

} // namespace localcopy
