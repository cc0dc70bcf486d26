#include "catalog/ListedNames.h"

namespace catalog {

std::string foldAsciiCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

ListedNames::ListedNames(const std::vector<std::string>& names) {
    m_folded.reserve(names.size());
    for (const std::string& name : names)
        m_folded.insert(foldAsciiCase(name));
}

bool ListedNames::contains(std::string_view name) const {
    return m_folded.count(foldAsciiCase(name)) != 0;
}

} // namespace catalog
