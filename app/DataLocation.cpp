#include "app/DataLocation.h"

#include "catalog/AdNaming.h"
#include "catalog/FileLister.h"
#include "platform/desktop/AppFolders.h"
#include "platform/files/DiscImages.h"
#include "platform/files/DriveSource.h"
#include "platform/files/PathResolver.h"
#include "state/DriveErrorReporter.h"

#include <algorithm>
#include <set>

namespace app {
namespace {

// The ads folder below a root, as the catalog names it.
const QString AdsFolder = QString::fromLatin1(catalog::AdsFolder);

bool anyListed(const catalog::FileLister& lister, const QString& pattern) {
    const catalog::Listing listing = lister.list(pattern.toStdString());
    return listing.ok && !listing.names.empty();
}

// A copy that an interrupted run, an older version or a hand left behind may lack any number of years:
// it stands for the disc only when its copy was completed and it still holds every ad the disc lists.
bool isCompleteCopy(const catalog::FileLister& lister, const QString& localCopy,
                    const std::vector<std::string>& discAds) {
    if (!anyListed(lister, localCopy + AdsFolder + QStringLiteral("01*.jpg")) ||
        lister.probe((localCopy + state::CopyCompleteRecord).toStdString()) != catalog::Presence::Present)
        return false;
    const catalog::Listing copy =
        lister.list((localCopy + AdsFolder + QStringLiteral("*.jpg")).toStdString());
    const std::set<std::string> held(copy.names.begin(), copy.names.end());
    return copy.ok && std::all_of(discAds.begin(), discAds.end(),
                                  [&held](const std::string& name) { return held.contains(name); });
}

// The disc image file named by the only argument, when it names an existing ordinary file; the switch and
// any other arguments name none.
std::optional<QString> discImageArgument(const QStringList& arguments) {
    if (arguments.size() != 1 || isProgramFolderSwitch(arguments))
        return std::nullopt;
    return platform::discImageFileAt(arguments.front());
}

} // namespace

bool isProgramFolderSwitch(const QStringList& arguments) {
    return arguments.size() == 1 && arguments.front() == QLatin1String("HWI");
}

bool LocateAdData(const QStringList& arguments, state::DataLocation& location,
                  const catalog::FileLister& lister, const platform::AppFolders& folders,
                  const platform::DriveSource& drives, platform::PathResolver& paths,
                  state::DriveErrorReporter& reporter) {
    if (isProgramFolderSwitch(arguments)) {
        location.AdRoot = folders.programFolder();
        location.DocRoot = folders.programFolder();
        return true;
    }
    const std::optional<QString> image = discImageArgument(arguments);
    const platform::DriveTable fixedLetters = paths.drives();
    for (;;) {
        // The documents and the copy source always come from the disc, even when a local copy exists.
        const platform::DriveTable letters = drives.currentTable().value_or(fixedLetters);
        paths.setDrives(image ? letters.withImageFirst(*image) : letters);
        for (const QChar letter : DriveLetters) {
            const QString drive = QString(letter) + QLatin1Char(':');
            const catalog::Listing ads =
                lister.list((drive + AdsFolder + QStringLiteral("*.jpg")).toStdString());
            if (ads.ok && !ads.names.empty()) {
                location.DocRoot = drive;
                if (isCompleteCopy(lister, folders.localCopyFolder(), ads.names))
                    location.AdRoot = folders.localCopyFolder();
                break;
            }
        }
        if (!location.DocRoot.isEmpty())
            break;
        if (!reporter.ReportDriveError(state::DiscLost))
            return false;
    }
    if (location.AdRoot.isEmpty())
        location.AdRoot = location.DocRoot;
    return true;
}

} // namespace app
