#pragma once

#include "catalog/FileLister.h"
#include "platform/files/BoundedProbe.h"
#include "platform/files/PathResolver.h"

namespace platform {

// The catalog's folder listings and file queries on the real file system. A query on a drive letter runs
// under a time bound: a drive that does not answer in time counts as a failed listing, or as no answer.
class DiskFileLister : public catalog::FileLister {
public:
    // Only a drive that really hangs runs this long; a disc spinning up answers well within it.
    static constexpr std::chrono::milliseconds defaultBound{20000};
    // How a folder is listed; tests put a slow one in its place.
    using FolderQuery =
        std::function<FolderListing(const PathResolver& resolver, const QString& patternPathText)>;

    explicit DiskFileLister(const PathResolver& resolver, std::chrono::milliseconds bound = defaultBound,
                            FolderQuery listFolder = &PathResolver::list);

    catalog::Listing list(const std::string& patternPathText) const override;
    catalog::Presence probe(const std::string& pathText) const override;

private:
    // Runs the query, under the bound of the path's drive when it names one.
    std::optional<FolderListing> ask(const QString& pathText, const QString& request,
                                     std::function<FolderListing()> query) const;

    const PathResolver& resolver_;
    BoundedProbe<FolderListing> probe_;
    FolderQuery listFolder_;
};

} // namespace platform
