#include "app/AdFileList.h"

#include "app/DriveReport.h"
#include "catalog/AdFileList.h"

namespace app {

bool BuildAdFileList(CatalogState& catalog, const DataLocation& location, DriveReport& report,
                     const catalog::FileLister& lister, DriveErrorReporter& reporter) {
    report.ErrorCode = QStringLiteral("VA001");
    const auto paths = catalog::buildAdFileList(location.AdRoot.toStdString(), lister,
                                                [&reporter] { return reporter.ReportDriveError(); });
    if (!paths)
        return false;
    catalog.AdFileList.clear();
    for (const std::string& path : *paths)
        catalog.AdFileList << QString::fromStdString(path);
    catalog.AdFileCount = int(catalog.AdFileList.size());
    return true;
}

} // namespace app
