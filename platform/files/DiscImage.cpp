#include "platform/files/DiscImage.h"

#include "platform/files/Wildcard.h"

#include <QFile>
#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <cdio/iso9660.h>
#include <cdio/logging.h>
#include <cstring>
#include <ctime>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

constexpr qint64 BlockBytes = ISO_BLOCKSIZE;
// libiso9660 reckons where a block lies in the image in 32-bit arithmetic: nothing past this is read.
constexpr qint64 ReachableBytes = qint64(1) << 31;
// libiso9660 reads a folder whole, at the size its record gives, before any name of it can be looked at.
// An ads folder of 2,000 names records well under a megabyte; a damaged record of gigabytes is refused
// before the library reads it.
constexpr qint64 FolderByteLimit = 8LL * 1024 * 1024;

// libiso9660 keeps process-wide state (its log), so every call into it goes under this one lock, which
// also guards what each image keeps of its folders.
std::mutex& libraryLock() {
    static std::mutex lock;
    return lock;
}

// The library's own log handler ends the program on an error and aborts on a failed check of its own; a
// damaged image is no reason to end, and its failures reach the caller as values.
void ignoreLibraryLog(cdio_log_level_t, const char[]) {}

struct CloseImage {
    void operator()(iso9660_t* iso) const { iso9660_close(iso); }
};
struct FreeList {
    void operator()(CdioList_t* list) const { iso9660_filelist_free(list); }
};
struct FreeStat {
    void operator()(iso9660_stat_t* stat) const { iso9660_stat_free(stat); }
};

qint64 wholeBlocks(qint64 bytes) {
    return (bytes + BlockBytes - 1) / BlockBytes * BlockBytes;
}

struct Entry {
    QString name;
    std::string isoName; // as libiso9660 names it, for its paths
    bool folder = false;
    qint64 offset = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    // Extents are read in whole blocks.
    bool liesWithin(qint64 imageBytes) const { return offset + wholeBlocks(size) <= imageBytes; }
};

struct Folder {
    std::vector<Entry> entries; // in name order
    QHash<QString, std::size_t> byName;
    QHash<QString, std::size_t> byFoldedName;

    const Entry* find(const QString& name) const {
        if (const auto exact = byName.constFind(name); exact != byName.cend())
            return &entries[*exact];
        const auto alike = byFoldedName.constFind(name.toCaseFolded());
        return alike == byFoldedName.cend() ? nullptr : &entries[*alike];
    }
};

// Plain ISO 9660 names as Linux shows them on a mounted disc: without the version, in lower case. Joliet and
// Rock Ridge names are the names as written.
QString shownName(const iso9660_stat_t& stat, std::uint8_t jolietLevel) {
    if (stat.rr.b3_rock == yep)
        return QString::fromUtf8(stat.filename);
    std::string translated(std::strlen(stat.filename) + 1, '\0');
    const int length = iso9660_name_translate_ext(stat.filename, translated.data(), jolietLevel);
    return QString::fromUtf8(translated.data(), std::max(0, length));
}

std::optional<Entry> entryOf(const iso9660_stat_t& stat, std::uint8_t jolietLevel) {
    const std::string isoName = stat.filename;
    // The folder's own and its parent's records, and names no path could be made of.
    if (isoName.empty() || isoName == "." || isoName == ".." || isoName.find('/') != std::string::npos ||
        stat.lsn < 0)
        return std::nullopt;
    Entry entry;
    entry.name = shownName(stat, jolietLevel);
    if (entry.name.isEmpty())
        return std::nullopt;
    entry.isoName = isoName;
    entry.folder = stat.type == iso9660_stat_t::_STAT_DIR;
    entry.offset = qint64(stat.lsn) * BlockBytes;
    entry.size = stat.size;
    std::tm recorded = stat.tm;
    entry.modifiedNs = qint64(timegm(&recorded)) * 1'000'000'000;
    return entry;
}

std::optional<Folder> readFolder(iso9660_t* iso, const std::string& isoPath, const Entry& self,
                                 std::uint8_t jolietLevel, qint64 imageBytes) {
    if (!self.folder || self.size > FolderByteLimit || !self.liesWithin(imageBytes))
        return std::nullopt;
    const std::unique_ptr<CdioList_t, FreeList> list(iso9660_ifs_readdir(iso, isoPath.c_str()));
    if (!list)
        return std::nullopt;
    Folder folder;
    for (CdioListNode_t* node = _cdio_list_begin(list.get()); node; node = _cdio_list_node_next(node)) {
        const auto* stat = static_cast<const iso9660_stat_t*>(_cdio_list_node_data(node));
        if (std::optional<Entry> entry = entryOf(*stat, jolietLevel); entry && entry->liesWithin(imageBytes))
            folder.entries.push_back(std::move(*entry));
    }
    // A folder records its names in order already, nearly always in the order they are shown in.
    const auto byName = [](const Entry& a, const Entry& b) { return a.name < b.name; };
    if (!std::is_sorted(folder.entries.begin(), folder.entries.end(), byName))
        std::stable_sort(folder.entries.begin(), folder.entries.end(), byName);
    // Of names given twice, or alike but for case, the first in name order is found, as in a folder.
    for (std::size_t i = 0; i < folder.entries.size(); ++i) {
        const QString& name = folder.entries[i].name;
        if (!folder.byName.contains(name))
            folder.byName.insert(name, i);
        if (const QString folded = name.toCaseFolded(); !folder.byFoldedName.contains(folded))
            folder.byFoldedName.insert(folded, i);
    }
    return folder;
}

// A file of the image as a device: each read takes the blocks it needs from the image.
class DiscImageDevice : public QIODevice {
public:
    DiscImageDevice(std::shared_ptr<const DiscImage> image, DiscImageFile file)
        : image_(std::move(image)), file_(std::move(file)) {}

    bool isSequential() const override { return false; }
    qint64 size() const override { return file_.size; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const ReadResult read = image_->read(file_, pos(), maxSize);
        if (!read.status.ok) {
            setErrorString(read.status.error);
            return -1;
        }
        std::memcpy(data, read.bytes.constData(), std::size_t(read.bytes.size()));
        return read.bytes.size();
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::shared_ptr<const DiscImage> image_;
    DiscImageFile file_;
};

} // namespace

struct DiscImage::Opened {
    std::unique_ptr<iso9660_t, CloseImage> iso;
    std::uint8_t jolietLevel = 0;
    Entry root;
    std::unordered_map<std::string, std::optional<Folder>> folders; // by libiso9660 path; nothing: unreadable

    // The folder at the names below the root, each read once.
    const Folder* folderAt(const QStringList& names, qint64 imageBytes) {
        std::string isoPath = "/";
        const Folder* folder = folderOf(isoPath, root, imageBytes);
        for (const QString& name : names) {
            const Entry* entry = folder ? folder->find(name) : nullptr;
            if (!entry || !entry->folder)
                return nullptr;
            isoPath += (isoPath.size() > 1 ? "/" : "") + entry->isoName;
            folder = folderOf(isoPath, *entry, imageBytes);
        }
        return folder;
    }

    const Folder* folderOf(const std::string& isoPath, const Entry& self, qint64 imageBytes) {
        auto [known, isNew] = folders.try_emplace(isoPath);
        if (isNew)
            known->second = readFolder(iso.get(), isoPath, self, jolietLevel, imageBytes);
        return known->second ? &*known->second : nullptr;
    }
};

DiscImage::DiscImage(QString imagePath, qint64 imageBytes)
    : path_(std::move(imagePath)), imageBytes_(std::min(imageBytes, ReachableBytes)) {}

DiscImage::~DiscImage() {
    std::lock_guard lock(libraryLock());
    opened_.reset();
}

DiscImage::Opened* DiscImage::opened() const {
    if (opened_ || unreadable_)
        return opened_.get();
    static std::once_flag quiet;
    std::call_once(quiet, [] { cdio_log_set_handler(ignoreLibraryLog); });
    auto opened = std::make_unique<Opened>();
    opened->iso.reset(iso9660_open_ext(QFile::encodeName(path_).constData(), ISO_EXTENSION_ALL));
    const std::unique_ptr<iso9660_stat_t, FreeStat> root(
        opened->iso ? iso9660_ifs_stat(opened->iso.get(), "/") : nullptr);
    // The root is recorded like every other entry and checked like one: a position past 2^31 bytes comes
    // out of the library negative.
    if (!root || root->lsn < 0) {
        unreadable_ = true;
        return nullptr;
    }
    opened->jolietLevel = iso9660_ifs_get_joliet_level(opened->iso.get());
    opened->root.folder = true;
    opened->root.offset = qint64(root->lsn) * BlockBytes;
    opened->root.size = root->size;
    opened_ = std::move(opened);
    return opened_.get();
}

FolderListing DiscImage::list(const QStringList& folderNames, const QString& pattern) const {
    std::lock_guard lock(libraryLock());
    FolderListing listing;
    Opened* image = opened();
    if (!image) {
        listing.error = QStringLiteral("%1 is no disc image that can be read.").arg(path_);
        return listing;
    }
    const Folder* folder = image->folderAt(folderNames, imageBytes_);
    if (!folder) {
        listing.error =
            QStringLiteral("The folder %1 is not on the disc image %2.").arg(folderNames.join(u'/'), path_);
        return listing;
    }
    // Names beginning with a dot are hidden files, as on a mounted disc.
    for (const Entry& entry : folder->entries) {
        if (!entry.folder && !entry.name.startsWith(u'.') && matchesWildcard(pattern, entry.name))
            listing.names.append(entry.name);
    }
    listing.ok = true;
    return listing;
}

std::optional<DiscImageFile> DiscImage::file(const QStringList& path) const {
    if (path.isEmpty())
        return std::nullopt;
    std::lock_guard lock(libraryLock());
    Opened* image = opened();
    const Folder* folder = image ? image->folderAt(path.first(path.size() - 1), imageBytes_) : nullptr;
    const Entry* entry = folder ? folder->find(path.last()) : nullptr;
    if (!entry || entry->folder)
        return std::nullopt;
    return DiscImageFile{entry->name, entry->offset, entry->size, entry->modifiedNs};
}

ReadResult DiscImage::read(const DiscImageFile& file, qint64 from, qint64 maxBytes) const {
    ReadResult result;
    if (from < 0 || maxBytes < 0 || file.offset < 0 || file.offset + wholeBlocks(file.size) > imageBytes_) {
        result.status =
            FileStatus::failure(QStringLiteral("%1 lies outside the disc image %2.").arg(file.name, path_));
        return result;
    }
    const qint64 bytes = std::min(maxBytes, std::max<qint64>(0, file.size - from));
    if (bytes == 0)
        return result;

    const qint64 start = file.offset + from;
    const qint64 firstBlock = start / BlockBytes;
    const qint64 blocks = (start + bytes - 1) / BlockBytes - firstBlock + 1;
    const qint64 skip = start - firstBlock * BlockBytes;
    result.bytes.resize(qsizetype(blocks * BlockBytes));
    long got = 0;
    {
        std::lock_guard lock(libraryLock());
        if (Opened* image = opened())
            got =
                iso9660_iso_seek_read(image->iso.get(), result.bytes.data(), lsn_t(firstBlock), long(blocks));
    }
    // The image may have been cut short since its folders were read.
    if (got < skip + bytes) {
        result.bytes.clear();
        result.status =
            FileStatus::failure(QStringLiteral("The disc image %1 ends within %2.").arg(path_, file.name));
        return result;
    }
    result.bytes.remove(0, qsizetype(skip));
    result.bytes.truncate(qsizetype(bytes));
    return result;
}

OpenResult DiscImage::openRead(const DiscImageFile& file) const {
    OpenResult result;
    auto device = std::make_unique<DiscImageDevice>(shared_from_this(), file);
    device->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    result.file = FileHandle(std::move(device));
    return result;
}

} // namespace platform
