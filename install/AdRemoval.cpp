#include "install/AdRemoval.h"

#include "platform/AppFolders.h"
#include "platform/Files.h"
#include "platform/MessageBoxes.h"
#include "state/ProgramState.h"
#include "ui/Form1.h"

#include <QAction>

namespace install {
namespace {

// The hourglass over the main window only, so that the message shown meanwhile keeps the arrow.
class WindowBusyGuard {
public:
    explicit WindowBusyGuard(QWidget& window) : window_(window) { window_.setCursor(Qt::WaitCursor); }
    ~WindowBusyGuard() { window_.unsetCursor(); }
    WindowBusyGuard(const WindowBusyGuard&) = delete;
    WindowBusyGuard& operator=(const WindowBusyGuard&) = delete;

private:
    QWidget& window_;
};

} // namespace

AdRemoval::AdRemoval(ui::Form1& window, state::DataLocation& location, state::DriveReport& report,
                     state::OutputState& output, state::CopyState& copy, platform::MessageBoxes& boxes,
                     const platform::Files& files, const platform::AppFolders& folders, QObject* parent)
    : QObject(parent), window_(window), location_(location), report_(report), output_(output), copy_(copy),
      boxes_(boxes), files_(files), folders_(folders) {
    connect(window_.mnuRemove, &QAction::triggered, this, &AdRemoval::removeCommand);
}

void AdRemoval::removeCommand() {
    output_.PrintReply =
        boxes_.show({QStringLiteral("Would you like to remove all Vantor Ads from your hard drive?"),
                     state::ProductTitle, platform::MessageButtons::YesNo, platform::MessageIcon::Question});
    if (output_.PrintReply != platform::Reply::Yes)
        return;
    {
        const WindowBusyGuard busy(window_);
        // Whatever fails here (no copy, a file in use, other files left in the folder) goes unsaid.
        copy_.CopyTarget = folders_.localCopyFolder() + QStringLiteral("\\ads\\*.jpg");
        files_.removeMatching(copy_.CopyTarget);
        files_.removeFolder(folders_.localCopyFolder() + QStringLiteral("\\ads\\"));
        location_.AdRoot = location_.DocRoot;
        report_.MessageText.clear();
        for (const char* line :
             {"All Ads Successfully Removed!", "", "You must now exit and re-enter the Vantor Ads to allow ",
              "the software to find the ads on the cdrom drive.", ""})
            report_.MessageText += QString::fromLatin1(line) + state::CrLf;
        boxes_.show({report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
                     platform::MessageIcon::None});
    }
    // The window's own closing keeps its place and size, shows the task bar and ends the program.
    window_.close();
}

} // namespace install
