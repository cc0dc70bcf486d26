#include "picture/PreparedAds.h"

#include <algorithm>
#include <utility>

namespace picture {

AdDecode::AdDecode(const platform::Files& files, const AdDecoder& decoder, QString path, QSize atLeast,
                   BytesRead read)
    : path_(std::move(path)), atLeast_(atLeast), read_(std::move(read)), task_([this, &files, &decoder] {
          // Whoever is told holds on to nothing of the caller's beyond this one run.
          const BytesRead told = std::exchange(read_, nullptr);
          // The stamp before the bytes: a file that changes while it is read counts as changed.
          result_.stamp = files.stamp(path_);
          platform::ReadResult read = files.readAll(path_, AdFileByteLimit);
          if (!read.status.ok) {
              result_.ad.error = read.status.error;
              return;
          }
          result_.jpeg = std::move(read.bytes);
          if (told)
              told(result_.jpeg);
          result_.ad = decoder(result_.jpeg, atLeast_, nullptr);
          // Only a reduced picture has a full one still to come from the same bytes.
          if (!result_.ad.ok() || !result_.ad.reduced())
              result_.jpeg.clear();
      }) {}

const DecodedAd& AdDecode::result() {
    task_.run();
    return result_;
}

bool AdDecode::covers(QSize atLeast) const {
    if (!atLeast_.isValid())
        return true;
    if (!atLeast.isValid())
        return task_.done() && result_.ad.ok() && !result_.ad.reduced();
    if (task_.done() && result_.ad.ok() && !result_.ad.reduced())
        return true;
    return atLeast_.width() >= atLeast.width() && atLeast_.height() >= atLeast.height();
}

qint64 AdDecode::bytes() const {
    return task_.done() ? result_.ad.picture.sizeInBytes() + result_.jpeg.size() : 0;
}

bool PreparedAds::stillFits(AdDecode& decode, QSize atLeast) const {
    // A decode under way is taken as it is: its file was read a moment ago.
    if (!decode.done())
        return decode.covers(atLeast);
    return decode.result().ad.ok() && decode.covers(atLeast) &&
           files_.stamp(decode.path()) == decode.result().stamp;
}

PreparedAds::Found PreparedAds::find(const QString& path, QSize atLeast, const BytesRead& read) {
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(decodes_.begin(), decodes_.end(),
                                    [&](const std::shared_ptr<AdDecode>& d) { return d->path() == path; });
    if (found != decodes_.end()) {
        std::shared_ptr<AdDecode> decode = *found;
        decodes_.erase(found);
        if (stillFits(*decode, atLeast)) {
            decodes_.push_back(decode);
            return {decode, false};
        }
    }
    makeRoom(1);
    decodes_.push_back(std::make_shared<AdDecode>(files_, decoder_, path, atLeast, read));
    return {decodes_.back(), true};
}

std::shared_ptr<AdDecode> PreparedAds::decoded(const QString& path, QSize atLeast, const BytesRead& read) {
    for (;;) {
        Found found = find(path, atLeast, read);
        const bool ok = found.decode->result().ad.ok();
        std::lock_guard lock(mutex_);
        if (ok) {
            makeRoom(0);
            return found.decode;
        }
        std::erase(decodes_, found.decode);
        if (found.made)
            return found.decode;
    }
}

qint64 PreparedAds::heldLocked() const {
    qint64 held = 0;
    for (const std::shared_ptr<AdDecode>& decode : decodes_)
        held += decode->bytes();
    return held;
}

void PreparedAds::makeRoom(int incoming) {
    // A decode under way holds no bytes yet, but will: it counts as one of the largest size held.
    qint64 largest = 0;
    int underWay = incoming;
    for (const std::shared_ptr<AdDecode>& decode : decodes_) {
        largest = std::max(largest, decode->bytes());
        underWay += decode->done() ? 0 : 1;
    }
    const auto fits = [&] {
        return decodes_.size() + std::size_t(incoming) <= Capacity &&
               heldLocked() + underWay * largest <= byteCapacity_;
    };
    // Forgetting a decode someone still holds (the ad on view, one running on a worker) frees nothing.
    for (auto it = decodes_.begin(); it != decodes_.end() && !fits();)
        it = it->use_count() == 1 && (*it)->done() ? decodes_.erase(it) : std::next(it);
}

void PreparedAds::keepOnly(const QString& path) {
    std::lock_guard lock(mutex_);
    std::erase_if(decodes_, [&](const std::shared_ptr<AdDecode>& d) { return d->path() != path; });
}

bool PreparedAds::holds(const QString& path) const {
    std::lock_guard lock(mutex_);
    return std::any_of(decodes_.begin(), decodes_.end(),
                       [&](const std::shared_ptr<AdDecode>& d) { return d->path() == path && d->done(); });
}

qint64 PreparedAds::bytesHeld() const {
    std::lock_guard lock(mutex_);
    return heldLocked();
}

} // namespace picture
