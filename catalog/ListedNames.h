#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace catalog {

// The file names of one folder listing, looked up the way the catalog's disc file system looks up
// names: ASCII letters compare without regard to case. One listing replaces many single-file probes.
class ListedNames {
public:
    explicit ListedNames(const std::vector<std::string>& names);

    bool contains(std::string_view name) const;

private:
    std::unordered_set<std::string> m_folded;
};

// Copy of the text with the ASCII letters A-Z turned into a-z; every other byte kept as it is.
std::string foldAsciiCase(std::string_view text);

} // namespace catalog
