#include "catalog/AdFileList.h"

#include <algorithm>

namespace catalog {

std::optional<std::vector<std::string>>
buildAdFileList(const std::string& adRoot, const FileLister& lister,
                const std::function<bool()>& reportFailureAndAskRetry) {
    const std::string folder = adRoot + "\\Ads\\";
    Listing listing = lister.list(folder + "*.*");
    while (!listing.ok) {
        if (!reportFailureAndAskRetry || !reportFailureAndAskRetry())
            return std::nullopt;
        listing = lister.list(folder + "*.*");
    }

    std::vector<std::string> paths = std::move(listing.names);
    std::sort(paths.begin(), paths.end());
    for (std::string& path : paths)
        path.insert(0, folder);
    return paths;
}

} // namespace catalog
