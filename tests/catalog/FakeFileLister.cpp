#include "FakeFileLister.h"

#include <cctype>

namespace {

std::string folded(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool matchesFrom(const std::string& pattern, std::size_t p, const std::string& name, std::size_t n) {
    if (p == pattern.size())
        return n == name.size();
    if (pattern[p] == '*') {
        for (std::size_t rest = n; rest <= name.size(); ++rest) {
            if (matchesFrom(pattern, p + 1, name, rest))
                return true;
        }
        return false;
    }
    if (n == name.size())
        return false;
    if (pattern[p] != '?' && pattern[p] != name[n])
        return false;
    return matchesFrom(pattern, p + 1, name, n + 1);
}

std::pair<std::string, std::string> splitFolder(const std::string& pathText) {
    const std::size_t slash = pathText.rfind('\\');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return {folded(pathText.substr(0, nameStart)), pathText.substr(nameStart)};
}

} // namespace

bool wildcardMatches(const std::string& pattern, const std::string& name) {
    // "*.*" stands for every file, names without a dot included.
    const std::string effective = pattern == "*.*" ? "*" : pattern;
    return matchesFrom(folded(effective), 0, folded(name), 0);
}

void FakeFileLister::addFolder(const std::string& folder, const std::vector<std::string>& names) {
    std::vector<std::string>& files = m_folders[folded(folder)];
    files.insert(files.end(), names.begin(), names.end());
}

void FakeFileLister::failFolder(const std::string& folder, int times) {
    m_failuresLeft[folded(folder)] = times;
}

void FakeFileLister::silenceFolder(const std::string& folder) {
    m_silent.insert(folded(folder));
    failFolder(folder);
}

catalog::Listing FakeFileLister::list(const std::string& patternPathText) const {
    m_requests.push_back(patternPathText);
    const auto [folder, pattern] = splitFolder(patternPathText);

    const auto failing = m_failuresLeft.find(folder);
    if (failing != m_failuresLeft.end() && failing->second != 0) {
        if (failing->second > 0)
            --failing->second;
        return {};
    }
    const auto found = m_folders.find(folder);
    if (found == m_folders.end())
        return {};

    catalog::Listing listing;
    listing.ok = true;
    for (const std::string& name : found->second) {
        if (wildcardMatches(pattern, name))
            listing.names.push_back(name);
    }
    return listing;
}

catalog::Presence FakeFileLister::probe(const std::string& pathText) const {
    m_requests.push_back(pathText);
    const auto [folder, name] = splitFolder(pathText);
    if (m_silent.count(folder) != 0)
        return catalog::Presence::NoAnswer;
    const auto found = m_folders.find(folder);
    if (found != m_folders.end()) {
        for (const std::string& file : found->second) {
            if (folded(file) == folded(name))
                return catalog::Presence::Present;
        }
    }
    return catalog::Presence::Absent;
}
