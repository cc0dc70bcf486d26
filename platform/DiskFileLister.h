#pragma once

#include "catalog/FileLister.h"
#include "platform/BoundedProbe.h"
#include "platform/PathResolver.h"

namespace platform {

// The catalog's folder listings on the real file system. A listing on a drive letter runs under a time
// bound: a drive that does not answer in time counts as a failed query, like an empty drive.
class DiskFileLister : public catalog::FileLister {
public:
    static constexpr std::chrono::milliseconds defaultBound{1500};

    explicit DiskFileLister(const PathResolver& resolver, std::chrono::milliseconds bound = defaultBound);

    catalog::Listing list(const std::string& patternPathText) const override;

private:
    const PathResolver& resolver_;
    BoundedProbe<FolderListing> probe_;
};

} // namespace platform
