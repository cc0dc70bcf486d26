#pragma once

#include <QObject>

namespace platform {
class AppFolders;
class Files;
class MessageBoxes;
} // namespace platform
namespace state {
struct CopyState;
struct DataLocation;
struct DriveReport;
struct OutputState;
} // namespace state
class QWidget;

namespace localcopy {

// "Remove Ads from Hard Drive": after a Yes, deletes the record of a complete copy, the ads of the local
// copy (ordinary files directly in its folder only) and the folder if nothing else is left in it, says so
// or says how many ads are left, and closes the main window so that the next start looks for the disc.
class AdRemoval : public QObject {
    Q_OBJECT
public:
    AdRemoval(QWidget& window, state::DataLocation& location, state::DriveReport& report,
              state::OutputState& output, state::CopyState& copy, platform::MessageBoxes& boxes,
              const platform::Files& files, const platform::AppFolders& folders, QObject* parent = nullptr);

    void removeCommand();

private:
    QWidget& window_;
    state::DataLocation& location_;
    state::DriveReport& report_;
    state::OutputState& output_;
    state::CopyState& copy_;
    platform::MessageBoxes& boxes_;
    const platform::Files& files_;
    const platform::AppFolders& folders_;
};

} // namespace localcopy
