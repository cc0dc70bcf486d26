#pragma once
#include <string>
#include <vector>
namespace catalog {
struct Listing { bool ok = false; std::vector<std::string> names; };   // ok=false: the folder query failed
class FileLister {
public:
    virtual ~FileLister() = default;
    // Names only (no folder) of the ordinary files (not folders) matching a wildcard path text such as
    // "E:\ads\*.jpg" or "E:\Ads\*.*"; '*' and '?' wildcards in the last component; letter case ignored.
    virtual Listing list(const std::string& patternPathText) const = 0;
};
}
