#pragma once

#include "catalog/FileLister.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// In-memory folders for the catalog tests: folder texts (with their trailing backslash) map to file
// names. Folders and names are matched without regard to case, as on the catalog's disc.
class FakeFileLister : public catalog::FileLister {
public:
    static constexpr int Always = -1;

    void addFolder(const std::string& folder, const std::vector<std::string>& names = {});
    // The next `times` listings of the folder fail (Always: every one); questions for single files are
    // still answered.
    void failFolder(const std::string& folder, int times = Always);
    // The folder's drive answers no question at all, as a drive that hangs.
    void silenceFolder(const std::string& folder);

    catalog::Listing list(const std::string& patternPathText) const override;
    catalog::Presence probe(const std::string& pathText) const override;

    // Every listing pattern and every probed path, in order.
    const std::vector<std::string>& requests() const { return m_requests; }

private:
    std::map<std::string, std::vector<std::string>> m_folders;
    mutable std::map<std::string, int> m_failuresLeft;
    std::set<std::string> m_silent;
    mutable std::vector<std::string> m_requests;
};

bool wildcardMatches(const std::string& pattern, const std::string& name);
