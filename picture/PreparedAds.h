#pragma once

#include "picture/AdDecoder.h"
#include "picture/AdPicture.h"
#include "picture/Task.h"
#include "platform/files/Files.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace picture {

// What reading and decoding one ad file gave.
struct DecodedAd {
    platform::FileStamp stamp; // the file as it was read
    QByteArray jpeg;           // kept beside a reduced picture, so that the full one needs no second read
    AdPicture ad;
};

// Told a file's bytes once they are read and before they are decoded, on the thread that runs the decode.
using BytesRead = std::function<void(const QByteArray& jpeg)>;

// One decode of one file for a view that needs a picture at least atLeast large (an invalid size: the
// full picture). It runs once, wherever it is needed first: on a worker decoding ahead, or for the window.
class AdDecode {
public:
    AdDecode(const platform::Files& files, const AdDecoder& decoder, QString path, QSize atLeast,
             BytesRead read = {});

    const QString& path() const { return path_; }
    // The result, decoding now unless it is done or under way elsewhere (then waiting for that run).
    const DecodedAd& result();
    bool done() const { return task_.done(); }
    // True when the picture this decode gives (or will give) is enough for a view needing atLeast.
    bool covers(QSize atLeast) const;
    // The memory a finished decode holds; 0 while it runs.
    qint64 bytes() const;

private:
    QString path_;
    QSize atLeast_;
    BytesRead read_;
    DecodedAd result_;
    Task task_;
};

// The decodes of the few ads a user is likely to ask for next, kept while their files stay as they were.
// Shared by the window and the workers that decode ahead. It is bounded by count and by bytes: the least
// recently used decodes that no one else holds are forgotten first, so that what stays is the ad on view
// and the neighbours decoded ahead of it.
class PreparedAds {
public:
    static constexpr std::size_t Capacity = 6;
    // The ad on view and its two neighbours as full 300-dpi letter-size scans (2550 x 3300 at 4 bytes a
    // pixel with their JPEG bytes, about 35 MB each); room for a fourth appears only once one is forgotten.
    static constexpr qint64 DefaultByteCapacity = 128LL * 1024 * 1024;

    PreparedAds(const platform::Files& files, AdDecoder decoder, qint64 byteCapacity = DefaultByteCapacity)
        : files_(files), decoder_(std::move(decoder)), byteCapacity_(byteCapacity) {}

    // The decode of the file for the need, run now unless it is done or under way elsewhere (then waited
    // for): one that fits the file as it is now and the need, or a new one. A failed decode is never kept,
    // and one that failed for someone else is tried again, so that a failure is that of a read made now.
    // A new decode tells `read` the bytes it read.
    std::shared_ptr<AdDecode> decoded(const QString& path, QSize atLeast, const BytesRead& read = {});
    // Forgets every decode but those of the file at path.
    void keepOnly(const QString& path);
    bool holds(const QString& path) const;
    qint64 bytesHeld() const;

private:
    struct Found {
        std::shared_ptr<AdDecode> decode;
        bool made;
    };
    Found find(const QString& path, QSize atLeast, const BytesRead& read);
    bool stillFits(AdDecode& decode, QSize atLeast) const;
    // Forgets the least recently used finished decodes no one else holds until the bounds hold, with
    // room for the decodes under way and `incoming` more, each of the size of the largest one held.
    void makeRoom(int incoming);
    qint64 heldLocked() const;

    const platform::Files& files_;
    const AdDecoder decoder_;
    const qint64 byteCapacity_;
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<AdDecode>> decodes_; // most recently used last
};

} // namespace picture
