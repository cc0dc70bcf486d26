#pragma once

#include "platform/Files.h"
#include "view/AdPicture.h"
#include "view/BackgroundWork.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

namespace view {

// What reading and decoding one ad file gave.
struct DecodedAd {
    platform::FileStamp stamp; // the file as it was read
    QByteArray jpeg;           // kept, so that the full picture needs no second read of the file
    AdPicture ad;
};

// One decode of one file for a view that needs a picture at least atLeast large (an invalid size: the
// full picture). It runs once, wherever it is needed first: on a worker decoding ahead, or for the window.
class AdDecode {
public:
    AdDecode(const platform::Files& files, QString path, QSize atLeast);

    const QString& path() const { return path_; }
    // The result, decoding now unless it is done or under way elsewhere (then waiting for that run).
    const DecodedAd& result();
    bool done() const { return task_.done(); }
    // True when the picture this decode gives (or will give) is enough for a view needing atLeast.
    bool covers(QSize atLeast) const;

private:
    QString path_;
    QSize atLeast_;
    DecodedAd result_;
    Task task_;
};

// The decodes of the few ads a user is likely to ask for next, kept while their files stay as they were.
// Shared by the window and the workers that decode ahead.
class PreparedAds {
public:
    static constexpr std::size_t Capacity = 6;

    explicit PreparedAds(const platform::Files& files) : files_(files) {}

    // A decode of the file that fits the file as it is now and the need: one made or under way already,
    // otherwise a new one (not yet run). The least recently used ones beyond the capacity are forgotten.
    std::shared_ptr<AdDecode> decodeOf(const QString& path, QSize atLeast);
    // Forgets every decode but those of the given files.
    void keepOnly(const QString& path);
    bool holds(const QString& path) const;

private:
    bool stillFits(AdDecode& decode, QSize atLeast) const;

    const platform::Files& files_;
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<AdDecode>> decodes_; // most recently used last
};

} // namespace view
