#include "localcopy/AdRemoval.h"

#include "catalog/AdNaming.h"
#include "platform/desktop/AppFolders.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/files/Files.h"
#include "state/ProgramState.h"

#include <QWidget>

namespace localcopy {
namespace {

// The ads folder below a root, as the catalog names it.
const QString AdsFolder = QString::fromLatin1(catalog::AdsFolder);

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

AdRemoval::AdRemoval(QWidget& window, state::DataLocation& location, state::DriveReport& report,
                     state::OutputState& output, state::CopyState& copy, platform::MessageBoxes& boxes,
                     const platform::Files& files, const platform::AppFolders& folders, QObject* parent)
    : QObject(parent), window_(window), location_(location), report_(report), output_(output), copy_(copy),
      boxes_(boxes), files_(files), folders_(folders) {}

void AdRemoval::removeCommand() {
    output_.PrintReply =
        boxes_.show({QStringLiteral("Would you like to remove all Vantor Ads from your hard drive?"),
                     state::ProductTitle, platform::MessageButtons::YesNo, platform::MessageIcon::Question});
    if (output_.PrintReply != platform::Reply::Yes)
        return;
    {
        const WindowBusyGuard busy(window_);
        // The copy stops vouching for itself first, so that whatever else fails, the next start takes it
        // for the ads only if it is still whole.
        files_.remove(folders_.localCopyFolder() + state::CopyCompleteRecord);
        copy_.CopyTarget = folders_.localCopyFolder() + AdsFolder + QStringLiteral("*.jpg");
        const platform::Removal removal = files_.removeMatching(copy_.CopyTarget);
        files_.removeFolder(folders_.localCopyFolder() + AdsFolder);
        location_.AdRoot = location_.DocRoot;
        report_.MessageText.clear();
        if (removal.remaining == 0) {
            for (const char* line : {"All Ads Successfully Removed!", "",
                                     "You must now exit and re-enter the Vantor Ads to allow ",
                                     "the software to find the ads on the cdrom drive.", ""})
                report_.MessageText += QString::fromLatin1(line) + state::CrLf;
        } else {
            report_.MessageText =
                QStringLiteral("%1 Ads could not be removed from your hard drive:").arg(removal.remaining) +
                state::CrLf + removal.status.error + state::CrLf + state::CrLf +
                QStringLiteral("They are still in %1/ads.").arg(folders_.localCopyFolder()) + state::CrLf +
                state::CrLf + QStringLiteral("Vantor Ads will now end.") + state::CrLf;
        }
        boxes_.show(
            {report_.MessageText, state::ProductTitle, platform::MessageButtons::Ok,
             removal.remaining == 0 ? platform::MessageIcon::None : platform::MessageIcon::Exclamation});
    }
    // The window's own closing keeps its place and size, shows the task bar and ends the program.
    window_.close();
}

} // namespace localcopy
