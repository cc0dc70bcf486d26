#pragma once

#include "catalog/FileLister.h"
#include "catalog/ListedNames.h"

#include <optional>
#include <string>

namespace catalog {

// The ".jpg" files of one folder, as the catalog looks names up in it: from a single listing when the
// folder can be listed, otherwise by asking for each file in turn, so that a failed or overlong listing
// changes no result. Once the drive leaves a question unanswered, no further file is asked for: each
// question would wait out the time bound again.
class FolderFiles {
public:
    // folder: a path text ending in its separator, such as "E:\ads\".
    FolderFiles(std::string folder, const FileLister& lister);

    // True when the folder holds the file; names are compared without regard to case.
    bool contains(const std::string& name) const;
    // True when the folder was listed, so that looking names up costs nothing.
    bool listed() const { return listed_.has_value(); }

private:
    std::string folder_;
    const FileLister& lister_;
    std::optional<ListedNames> listed_;
    mutable bool driveSilent_ = false;
};

} // namespace catalog
