#include "platform/files/PathResolver.h"

#include "platform/files/DiscImage.h"
#include "platform/files/DiscImages.h"
#include "platform/files/Wildcard.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace platform {
namespace {

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The entry of a folder that equals the name without regard to case; of several, the first in code-point
// order, so that the choice never depends on the order in which the file system lists them.
QString caseInsensitiveMatch(const QString& folder, const QString& name) {
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QString best;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (best.isNull() || entry < best))
            best = entry;
    }
    return best;
}

} // namespace

PathResolver::PathResolver() : images_(std::make_shared<DiscImages>()) {}

PathResolver::PathResolver(DriveTable drives)
    : drives_(std::move(drives)), images_(std::make_shared<DiscImages>()) {}

bool PathResolver::hasDriveLetter(const QString& pathText) {
    return pathText.size() >= 2 && pathText[1] == u':' && pathText[0].unicode() < 0x80 &&
           pathText[0].isLetter();
}

std::optional<QString> PathResolver::resolve(const QString& pathText) const {
    QString current;
    QStringView rest = pathText;
    if (hasDriveLetter(pathText)) {
        const auto folder = drives_.folderOf(char(pathText[0].unicode()));
        if (!folder || images_->at(*folder))
            return std::nullopt;
        current = *folder;
        rest = rest.sliced(2);
    } else {
        // A native folder the text starts with (the user's data folder, the program's folder) is the
        // user's own and is taken exactly as spelled; only the folders and names the program adds after
        // it, as on the disc, may differ in letter case.
        const qsizetype programPart = pathText.indexOf(u'\\');
        const QString native = programPart < 0 ? pathText : pathText.first(programPart);
        current = QDir::cleanPath(
            QDir(QDir::currentPath()).absoluteFilePath(native.isEmpty() ? QStringLiteral("/") : native));
        rest = programPart < 0 ? QStringView() : rest.sliced(programPart);
    }

    bool folderExists = true;
    const QStringList components = rest.toString().replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    for (const QString& component : components) {
        const QString exact = joined(current, component);
        if (!folderExists || component == u"." || component == u".." || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QString match = caseInsensitiveMatch(current, component);
        if (match.isNull()) {
            folderExists = false;
            current = exact;
        } else {
            current = joined(current, match);
        }
    }
    return QDir::cleanPath(current);
}

FolderListing PathResolver::list(const QString& patternPathText) const {
    const qsizetype lastSeparator =
        std::max(patternPathText.lastIndexOf(u'\\'), patternPathText.lastIndexOf(u'/'));
    QString folderText;
    QString pattern;
    if (lastSeparator >= 0) {
        folderText = patternPathText.first(lastSeparator + 1);
        pattern = patternPathText.sliced(lastSeparator + 1);
    } else if (hasDriveLetter(patternPathText)) {
        folderText = patternPathText.first(2);
        pattern = patternPathText.sliced(2);
    } else {
        folderText = QStringLiteral(".");
        pattern = patternPathText;
    }
    if (pattern.isEmpty())
        pattern = QStringLiteral("*");

    if (const auto inImage = onImage(folderText))
        return inImage->image->list(inImage->names, pattern);
    FolderListing listing;
    const auto folder = resolve(folderText);
    if (!folder) {
        listing.error = QStringLiteral("The drive %1 holds nothing.").arg(patternPathText.first(2));
        return listing;
    }
    const QFileInfo folderInfo(*folder);
    if (!folderInfo.isDir()) {
        listing.error = QStringLiteral("The folder %1 does not exist.").arg(*folder);
        return listing;
    }
    if (!folderInfo.isReadable() || !folderInfo.isExecutable()) {
        listing.error = QStringLiteral("The folder %1 cannot be read.").arg(*folder);
        return listing;
    }
    // Names beginning with a dot are hidden files here, such as the "._63kxpe00.jpg" companions that some
    // copies of the disc carry; they are no ads.
    const QFileInfoList entries = QDir(*folder).entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        if (entry.isFile() && matchesWildcard(pattern, entry.fileName()))
            listing.names.append(entry.fileName());
    }
    std::sort(listing.names.begin(), listing.names.end());
    listing.ok = true;
    return listing;
}

std::optional<ImagePath> PathResolver::onImage(const QString& pathText) const {
    if (!hasDriveLetter(pathText))
        return std::nullopt;
    const auto file = drives_.folderOf(char(pathText[0].unicode()));
    std::shared_ptr<DiscImage> image = file ? images_->at(*file) : nullptr;
    if (!image)
        return std::nullopt;
    return ImagePath{std::move(image),
                     pathText.sliced(2).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)};
}

} // namespace platform
