#pragma once

#include <string>
#include <vector>

namespace catalog {

// Result of one folder query. A failed query (ok == false) is distinct from an empty folder.
struct Listing {
    bool ok = false;
    std::vector<std::string> names;
};

// What a query for one file found out.
enum class Presence {
    Present,
    Absent,   // also when its folder or drive is not there
    NoAnswer, // the drive did not answer in time; asking it again at once would only wait again
};

// The one way the catalog looks at the disk, so that the platform layer owns every real file access.
class FileLister {
public:
    virtual ~FileLister() = default;

    // Names only (no folder) of the ordinary files (not folders, not hidden) matching a wildcard path text
    // such as "E:\ads\*.jpg" or "E:\Ads\*.*"; '*' and '?' wildcards in the last component; letter case
    // ignored.
    virtual Listing list(const std::string& patternPathText) const = 0;
    // Whether the path text names an ordinary file that is not hidden; letter case ignored.
    virtual Presence probe(const std::string& pathText) const = 0;
};

} // namespace catalog
