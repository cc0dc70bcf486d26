#pragma once

#include <string>
#include <vector>

namespace catalog {

// Result of one folder query. A failed query (ok == false) is distinct from an empty folder.
struct Listing {
    bool ok = false;
    std::vector<std::string> names;
};

// The one way the catalog looks at the disk, so that the platform layer owns every real file access.
class FileLister {
public:
    virtual ~FileLister() = default;

    // Names only (no folder) of the ordinary files (not folders) matching a wildcard path text such as
    // "E:\ads\*.jpg" or "E:\Ads\*.*"; '*' and '?' wildcards in the last component; letter case ignored.
    virtual Listing list(const std::string& patternPathText) const = 0;
};

} // namespace catalog
