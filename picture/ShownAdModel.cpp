#include "picture/ShownAdModel.h"

#include "platform/desktop/BusyCursor.h"

#include <QMetaObject>

#include <thread>

namespace picture {

// The full picture of one ad, decoded from the bytes already read for its reduced picture. One that is no
// longer wanted is abandoned: it stops where it is, or never starts.
struct ShownAdModel::FullDecode {
    FullDecode(QByteArray jpeg, const AdDecoder& decoder)
        : bytes(std::move(jpeg)), task([this, &decoder] {
              ad = decoder(bytes, QSize(), &abandoned);
              finished = true;
          }) {}
    const QByteArray bytes;
    AdPicture ad;
    Task task;
    std::atomic<bool> abandoned{false};
    std::atomic<bool> finished{false};
};

ShownAdModel::ShownAdModel(const platform::Files& files, platform::BusyCursor& cursor, AdDecoder decoder,
                           QObject* parent)
    : QObject(parent), files_(files), cursor_(cursor), decoder_(std::move(decoder)),
      prepared_(files, decoder_) {}

ShownAdModel::~ShownAdModel() {
    // The window closing does not wait for a full picture no one will see.
    if (fullDecode_)
        fullDecode_->abandoned = true;
    fullWorker_.dropPending();
    for (Lane& ahead : lanes_)
        ahead.worker.dropPending();
}

QString ShownAdModel::path() const {
    return current_ ? current_->path() : QString();
}

QSize ShownAdModel::fullSize() const {
    return current_ ? current_->result().ad.fullSize : QSize();
}

bool ShownAdModel::show(const QString& path) {
    showing_ = true;
    const QSize needed = neededSize_;
    // An ad not decoded ahead has its full picture decoded beside its reduced one, from the same bytes, so
    // that zooming in soon after waits only for what remains of it.
    std::shared_ptr<FullDecode> beside;
    std::shared_ptr<AdDecode> decode = prepared_.decoded(path, needed, [&](const QByteArray& jpeg) {
        if (!decodesReduced(jpeg, needed))
            return;
        beside = std::make_shared<FullDecode>(jpeg, decoder_);
        fullWorker_.dropPending();
        postFullDecode(beside, std::chrono::milliseconds(0));
    });
    showing_ = false;
    const DecodedAd& decoded = decode->result();
    if (beside && !(decoded.ad.ok() && decoded.ad.reduced()))
        beside->abandoned = true;
    if (!decoded.ad.ok()) {
        // The ad on show keeps its full decode, which the one posted beside may have pushed out.
        if (beside && fullDecode_ && !fullDecode_->task.done())
            postFullDecode(fullDecode_, std::chrono::milliseconds(0));
        return false;
    }
    current_ = std::move(decode);
    ++showings_;
    if (fullDecode_)
        fullDecode_->abandoned = true;
    fullDecode_.reset();
    full_ = QImage();
    if (decoded.ad.reduced()) {
        fullState_ = FullPicture::Decoding;
        if (beside) {
            fullDecode_ = std::move(beside);
        } else {
            fullWorker_.dropPending();
            fullDecode_ = std::make_shared<FullDecode>(decoded.jpeg, decoder_);
            postFullDecode(fullDecode_, FullDecodeDelay);
        }
    } else {
        fullState_ = FullPicture::Ready;
        full_ = decoded.ad.picture;
    }
    emit shown();
    if (fullState_ == FullPicture::Ready)
        emit fullPictureReady();
    return true;
}

void ShownAdModel::postFullDecode(const std::shared_ptr<FullDecode>& full, std::chrono::milliseconds delay) {
    fullWorker_.post(std::make_shared<Task>([this, full] {
                         if (full->abandoned)
                             return;
                         full->task.run();
                         QMetaObject::invokeMethod(
                             this,
                             [this, full] {
                                 if (full == fullDecode_)
                                     takeFullPicture();
                             },
                             Qt::QueuedConnection);
                     }),
                     delay);
}

void ShownAdModel::takeFullPicture() {
    const std::shared_ptr<FullDecode> full = std::move(fullDecode_);
    if (!full->task.runIfWaiting() && !full->task.done()) {
        // Under way on the worker, which yields to everything else and may be far behind on a busy
        // machine: the window decodes the picture too and keeps whichever comes first.
        const AdPicture own = decoder_(full->bytes, QSize(), &full->finished);
        if (!full->finished) {
            full->abandoned = true;
            fullPictureFrom(own);
            return;
        }
    }
    full->task.run();
    fullPictureFrom(full->ad);
}

void ShownAdModel::fullPictureFrom(const AdPicture& ad) {
    if (ad.ok()) {
        fullState_ = FullPicture::Ready;
        full_ = ad.picture;
        emit fullPictureReady();
        return;
    }
    // The reduced picture is never passed off as the full one: the views would show it unscaled.
    fullState_ = FullPicture::Failed;
    QMetaObject::invokeMethod(
        this,
        [this, showing = showings_] {
            if (showing == showings_ && fullState_ == FullPicture::Failed)
                emit fullPictureFailed();
        },
        Qt::QueuedConnection);
}

QImage ShownAdModel::fullPicture() {
    switch (fullState_) {
    case FullPicture::None:
    case FullPicture::Ready:
        return full_;
    case FullPicture::Decoding: {
        platform::BusyCursorGuard busy(cursor_);
        takeFullPicture();
        return full_;
    }
    case FullPicture::Failed: {
        // A failure is not kept: the file is read and decoded again.
        platform::BusyCursorGuard busy(cursor_);
        fullPictureFrom(prepared_.decoded(current_->path(), QSize())->result().ad);
        return full_;
    }
    }
    return full_;
}

QImage ShownAdModel::pictureFor(QSize viewSize) {
    if (!current_)
        return QImage();
    const QImage& reduced = current_->result().ad.picture;
    if (reduced.width() >= viewSize.width() && reduced.height() >= viewSize.height())
        return reduced;
    return fullPicture();
}

void ShownAdModel::prepareAhead(Ahead kind, std::vector<AheadSearch> searches) {
    Lane& ahead = lane(kind);
    cancelAhead(kind);
    const int current = ahead.generation;
    for (AheadSearch& search : searches) {
        ++pendingAhead_;
        const QSize needed = neededSize_;
        ahead.worker.post(
            std::make_shared<Task>([this, kind, needed, current, &ahead, search = std::move(search)] {
                search([&](const QString& path) {
                    if (kind == Ahead::Disc)
                        return readWhenIdle(path, current);
                    return ahead.generation != current || prepared_.decoded(path, needed)->result().ad.ok();
                });
                QMetaObject::invokeMethod(
                    this, [this] { aheadSearchEnded(); }, Qt::QueuedConnection);
            }));
    }
}

bool ShownAdModel::working() const {
    return showing_ || !fullWorker_.idle() || !lanes_[std::size_t(Ahead::Neighbours)].worker.idle() ||
           !lanes_[std::size_t(Ahead::Years)].worker.idle();
}

bool ShownAdModel::readWhenIdle(const QString& path, int generation) {
    const std::atomic<int>& current = lane(Ahead::Disc).generation;
    while (working() && current == generation)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return current != generation || files_.readAll(path, AdFileByteLimit).status.ok;
}

void ShownAdModel::cancelAhead(Ahead kind) {
    Lane& ahead = lane(kind);
    pendingAhead_ -= ahead.worker.dropPending();
    // Searches already running learn that newer work has come and stop at their next file.
    ++ahead.generation;
}

void ShownAdModel::aheadSearchEnded() {
    if (--pendingAhead_ == 0)
        emit aheadDone();
}

void ShownAdModel::dropPrepared() {
    cancelAhead(Ahead::Neighbours);
    cancelAhead(Ahead::Years);
    prepared_.keepOnly(path());
}

} // namespace picture
