#include "platform/files/DiskFileLister.h"

#include "platform/files/DiscImage.h"

#include <QFileInfo>

namespace platform {
namespace {

// One file as a listing of its own: the name when the path resolves to an ordinary file that is not
// hidden, nothing otherwise.
FolderListing listOneFile(const PathResolver& resolver, const QString& pathText) {
    FolderListing listing;
    listing.ok = true;
    if (const auto inImage = resolver.onImage(pathText)) {
        const auto file = inImage->image->file(inImage->names);
        if (file && !file->name.startsWith(u'.'))
            listing.names.append(file->name);
    } else if (const auto native = resolver.resolve(pathText)) {
        const QFileInfo info(*native);
        if (info.isFile() && !info.fileName().startsWith(u'.'))
            listing.names.append(info.fileName());
    }
    return listing;
}

} // namespace

DiskFileLister::DiskFileLister(const PathResolver& resolver, std::chrono::milliseconds bound,
                               FolderQuery listFolder)
    : resolver_(resolver), probe_(bound), listFolder_(std::move(listFolder)) {}

std::optional<FolderListing> DiskFileLister::ask(const QString& pathText, const QString& request,
                                                 std::function<FolderListing()> query) const {
    if (!PathResolver::hasDriveLetter(pathText))
        return query();
    return probe_.run(pathText.first(1).toUpper(), request, std::move(query));
}

catalog::Listing DiskFileLister::list(const std::string& patternPathText) const {
    const QString pattern = QString::fromStdString(patternPathText);
    // The worker gets its own copy of the resolver: it may still run after this lister is gone.
    const std::optional<FolderListing> listing = ask(
        pattern, QStringLiteral("list ") + pattern,
        [resolver = resolver_, listFolder = listFolder_, pattern] { return listFolder(resolver, pattern); });

    catalog::Listing result;
    if (!listing)
        return result;
    result.ok = listing->ok;
    result.names.reserve(std::size_t(listing->names.size()));
    for (const QString& name : listing->names)
        result.names.push_back(name.toStdString());
    return result;
}

catalog::Presence DiskFileLister::probe(const std::string& pathText) const {
    const QString path = QString::fromStdString(pathText);
    const std::optional<FolderListing> file =
        ask(path, QStringLiteral("probe ") + path,
            [resolver = resolver_, path] { return listOneFile(resolver, path); });
    if (!file)
        return catalog::Presence::NoAnswer;
    return file->names.isEmpty() ? catalog::Presence::Absent : catalog::Presence::Present;
}

} // namespace platform
