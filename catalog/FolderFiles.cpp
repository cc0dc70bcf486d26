#include "catalog/FolderFiles.h"

namespace catalog {

FolderFiles::FolderFiles(std::string folder, const FileLister& lister)
    : folder_(std::move(folder)), lister_(lister) {
    const Listing listing = lister_.list(folder_ + "*.jpg");
    if (listing.ok)
        listed_.emplace(listing.names);
}

bool FolderFiles::contains(const std::string& name) const {
    if (listed_)
        return listed_->contains(name);
    if (driveSilent_)
        return false;
    const Presence presence = lister_.probe(folder_ + name);
    driveSilent_ = presence == Presence::NoAnswer;
    return presence == Presence::Present;
}

} // namespace catalog
