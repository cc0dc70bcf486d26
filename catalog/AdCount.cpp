#include "catalog/AdCount.h"

#include "catalog/AdNaming.h"
#include "catalog/FolderFiles.h"

namespace catalog {

int countAds(const std::string& firstAdPath, const FileLister& lister) {
    // Split the stem, not the full path: the candidates' folder is the stem's folder even when a
    // malformed path puts a backslash inside its last six characters.
    const std::string base = stepBaseOf(firstAdPath);
    const std::size_t slash = base.rfind('\\');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = base.substr(0, nameStart);
    const std::string stem = base.substr(nameStart);

    const FolderFiles files(folder, lister);
    for (int n = HighestAdNumber; n >= 0; --n) {
        if (files.contains(adPathText(stem, n)))
            return n + 1;
    }
    return 0;
}

} // namespace catalog
