#pragma once

#include "picture/PreparedAds.h"
#include "picture/Worker.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <array>
#include <atomic>
#include <chrono>

#include <functional>
#include <memory>

namespace platform {
class BusyCursor;
class Files;
} // namespace platform

namespace picture {

// The ad on show, held once for every view: its path, its full-resolution picture and, for the normal and
// wide views, a picture decoded at a reduced scale that still covers the view. A large scan is shown at
// once from the reduced picture while the full one is decoded on a worker; whatever needs the full picture
// (the zoomed view, printing, copying) waits for it under the busy pointer if it is not ready yet.
//
// It also decodes ahead, on workers, the ads the user is likely to ask for next, so that asking for one of
// them shows it without decoding. Newer work replaces older work that has not started.
class ShownAdModel : public QObject {
    Q_OBJECT
public:
    // Searches for ads ahead of the user. It is given a way to have a file decoded for the views (or learn
    // it was decoded already), which answers whether the file is a readable ad; when newer work has come,
    // it answers true at once, so that any search stops.
    // The full picture of an ad shown from a reduced one decoded ahead is decoded from this long after the
    // show on (at once when something needs it): longer than a held-down key takes to repeat, so that a
    // burst of steps starts no full decode only to drop it. One decoded for the show starts at once.
    static constexpr std::chrono::milliseconds FullDecodeDelay{120};

    using AheadSearch = std::function<void(const std::function<bool(const QString& path)>& decoded)>;
    // Neighbours and Years decode what they find into the store. Disc only reads the files, so that the
    // system keeps their bytes in memory and a later display reads none from a slow drive; it reads only
    // while the model has nothing else under way, so it never holds up what the user asks for but for
    // the one file being read.
    enum class Ahead { Neighbours, Years, Disc };

    ShownAdModel(const platform::Files& files, platform::BusyCursor& cursor, AdDecoder decoder,
                 QObject* parent = nullptr);
    ~ShownAdModel() override;

    // What the views on screen need, in device pixels; an invalid size when they need the full picture.
    void setNeededSize(QSize size) { neededSize_ = size; }
    QSize neededSize() const { return neededSize_; }

    // Shows the ad of a path text; false, with nothing changed, when the file is not a readable ad.
    bool show(const QString& path);
    // Counts the ads put on show, so that whoever showed one can tell whether a failure concerns it.
    int showings() const { return showings_; }
    bool hasAd() const { return bool(current_); }
    QString path() const;
    QSize fullSize() const;
    // The picture for a view of the given size: the reduced one when it covers it, otherwise the full one.
    QImage pictureFor(QSize viewSize);
    // The full-resolution picture, waiting for its decoding if need be; null before the first ad and when
    // it cannot be decoded. A failure is not kept: the next call reads the file and decodes it again.
    QImage fullPicture();
    // Where the full picture of the ad on show stands. Failed is not final: fullPicture() tries again.
    enum class FullPicture { None, Decoding, Ready, Failed };
    FullPicture fullPictureState() const { return fullState_; }
    // The full picture if it is decoded, otherwise null.
    QImage readyFullPicture() const { return full_; }

    // Replaces the work not yet started of one kind with new searches.
    void prepareAhead(Ahead kind, std::vector<AheadSearch> searches);
    // Forgets every decode made ahead, as a new year or category makes them useless.
    void dropPrepared();
    // True when a decode of the file for the views is at hand.
    bool isPrepared(const QString& path) const { return prepared_.holds(path); }
    bool aheadIdle() const { return pendingAhead_ == 0; }

signals:
    void shown();            // another ad is on show
    void fullPictureReady(); // the full picture of the ad on show has been decoded
    // The ad on show was shown from its reduced picture, and its full picture could not be decoded: the
    // ad did not load after all. Comes from the event loop, never from inside a call to the model.
    void fullPictureFailed();
    void aheadDone(); // every search ahead has ended

private:
    struct FullDecode;
    void postFullDecode(const std::shared_ptr<FullDecode>& full, std::chrono::milliseconds delay);
    void takeFullPicture();
    void fullPictureFrom(const AdPicture& ad);
    void cancelAhead(Ahead kind);
    // True while the model reads or decodes for the window or ahead of it; safe on any thread.
    bool working() const;
    bool readWhenIdle(const QString& path, int generation);
    void aheadSearchEnded();

    const platform::Files& files_;
    platform::BusyCursor& cursor_;
    const AdDecoder decoder_;
    PreparedAds prepared_;
    int showings_ = 0;
    QSize neededSize_;
    std::shared_ptr<AdDecode> current_;
    FullPicture fullState_ = FullPicture::None;
    QImage full_;                            // while Ready
    std::shared_ptr<FullDecode> fullDecode_; // while Decoding
    int pendingAhead_ = 0;
    std::atomic<bool> showing_{false};
    // One worker for each kind of work ahead, and the generation of that work: newer work stops a search.
    struct Lane {
        explicit Lane(Worker::Urgency urgency) : worker(urgency) {}
        Worker worker;
        std::atomic<int> generation{0};
    };
    Lane& lane(Ahead kind) { return lanes_[std::size_t(kind)]; }
    // Declared last, so that their threads end before anything they use goes away. A full decode beside a
    // display yields to it.
    Worker fullWorker_{Worker::Urgency::Ahead};
    std::array<Lane, 3> lanes_{Lane(Worker::Urgency::Ahead), Lane(Worker::Urgency::Ahead),
                               Lane(Worker::Urgency::Ahead)};
};

} // namespace picture
