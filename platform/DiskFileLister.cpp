#include "platform/DiskFileLister.h"

namespace platform {

DiskFileLister::DiskFileLister(const PathResolver& resolver, std::chrono::milliseconds bound)
    : resolver_(resolver), probe_(bound) {}

catalog::Listing DiskFileLister::list(const std::string& patternPathText) const {
    const QString pattern = QString::fromStdString(patternPathText);
    FolderListing listing;
    if (PathResolver::hasDriveLetter(pattern)) {
        // The worker gets its own copy of the resolver: it may still run after this lister is gone.
        const auto bounded = probe_.run(pattern.first(1).toUpper(),
                                        [resolver = resolver_, pattern] { return resolver.list(pattern); });
        if (bounded)
            listing = *bounded;
    } else {
        listing = resolver_.list(pattern);
    }

    catalog::Listing result;
    result.ok = listing.ok;
    result.names.reserve(std::size_t(listing.names.size()));
    for (const QString& name : listing.names)
        result.names.push_back(name.toStdString());
    return result;
}

} // namespace platform
