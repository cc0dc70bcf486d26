#pragma once

#include "catalog/FileLister.h"

#include <map>
#include <string>
#include <vector>

// In-memory folders for the catalog tests: folder texts (with their trailing backslash) map to file
// names. Folders and names are matched without regard to case, as on the catalog's disc.
class FakeFileLister : public catalog::FileLister {
public:
    static constexpr int Always = -1;

    void addFolder(const std::string& folder, const std::vector<std::string>& names = {});
    // The next `times` listings of the folder fail (Always: every one).
    void failFolder(const std::string& folder, int times = Always);

    catalog::Listing list(const std::string& patternPathText) const override;

    const std::vector<std::string>& requests() const { return m_requests; }

private:
    std::map<std::string, std::vector<std::string>> m_folders;
    mutable std::map<std::string, int> m_failuresLeft;
    mutable std::vector<std::string> m_requests;
};

bool wildcardMatches(const std::string& pattern, const std::string& name);
