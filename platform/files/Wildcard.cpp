#include "platform/files/Wildcard.h"

#include <QString>

namespace platform {
namespace {

bool matchesFolded(QStringView pattern, QStringView name) {
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype nameAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || (pattern[p] != u'*' && pattern[p] == name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            nameAtStar = n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool matchesWildcard(QStringView pattern, QStringView name) {
    const QString foldedPattern = pattern.toString().toCaseFolded();
    const QString foldedName = name.toString().toCaseFolded();
    if (matchesFolded(foldedPattern, foldedName))
        return true;
    return foldedPattern.endsWith(QLatin1String(".*")) &&
           matchesFolded(QStringView(foldedPattern).chopped(2), foldedName);
}

} // namespace platform
