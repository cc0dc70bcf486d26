#include "view/PreparedAds.h"

#include <algorithm>

namespace view {

AdDecode::AdDecode(const platform::Files& files, QString path, QSize atLeast)
    : path_(std::move(path)), atLeast_(atLeast), task_([this, &files] {
          // The stamp before the bytes: a file that changes while it is read counts as changed.
          result_.stamp = files.stamp(path_);
          platform::ReadResult read = files.readAll(path_, AdFileByteLimit);
          if (!read.status.ok) {
              result_.ad.error = read.status.error;
              return;
          }
          result_.jpeg = std::move(read.bytes);
          result_.ad = decodeAdPicture(result_.jpeg, atLeast_);
          if (!result_.ad.ok())
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

bool PreparedAds::stillFits(AdDecode& decode, QSize atLeast) const {
    // A decode under way is taken as it is: its file was read a moment ago.
    return decode.covers(atLeast) && (!decode.done() || files_.stamp(decode.path()) == decode.result().stamp);
}

std::shared_ptr<AdDecode> PreparedAds::decodeOf(const QString& path, QSize atLeast) {
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(decodes_.begin(), decodes_.end(),
                                    [&](const std::shared_ptr<AdDecode>& d) { return d->path() == path; });
    if (found != decodes_.end()) {
        std::shared_ptr<AdDecode> decode = *found;
        decodes_.erase(found);
        if (stillFits(*decode, atLeast)) {
            decodes_.push_back(decode);
            return decode;
        }
    }
    decodes_.push_back(std::make_shared<AdDecode>(files_, path, atLeast));
    if (decodes_.size() > Capacity)
        decodes_.erase(decodes_.begin());
    return decodes_.back();
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

} // namespace view
