#pragma once

#include "app/ProgramState.h"

namespace catalog {
class FileLister;
}

namespace app {

class DriveErrorReporter;

// Lists every ad file under AdRoot, sorted, as full path texts. A failed listing is reported with "VA001"
// and tried again after Retry. Returns false when the user gave up (the program has been told to end).
bool BuildAdFileList(CatalogState& catalog, const DataLocation& location, DriveReport& report,
                     const catalog::FileLister& lister, DriveErrorReporter& reporter);

} // namespace app
