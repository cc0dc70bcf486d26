#include "platform/files/BoundedReadDevice.h"

#include <QCoreApplication>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

namespace platform {

using Clock = std::chrono::steady_clock;

namespace {

// Nearly every answer comes within moments; until then nothing else runs, exactly as without a worker.
constexpr std::chrono::milliseconds QuietWait{50};
// How often the windows get to paint while a slow answer is awaited.
constexpr std::chrono::milliseconds PaintInterval{15};

QString noAnswer() {
    return QStringLiteral("The drive did not answer in time.");
}

} // namespace

// Everything the worker touches, kept alive by whichever of the two ends last.
struct BoundedReadDevice::Shared {
    std::mutex mutex;
    std::condition_variable wake;     // for the worker: a block is wanted, or the end
    std::condition_variable answered; // for the caller: the open or a block is done
    Opener opener;
    std::optional<OpenResult> opened;
    FileHandle file;
    qint64 blockSize = 0;            // what the caller asked for last; 0 until then, and after the end
    std::optional<ReadResult> ready; // read ahead, not yet taken
    bool finished = false;           // the caller is gone or gave up

    // Waits for the predicate within the deadline, letting the windows paint after a short quiet wait.
    template <typename Predicate>
    bool waitFor(std::unique_lock<std::mutex>& lock, Clock::time_point deadline, Predicate done) {
        if (answered.wait_until(lock, std::min(deadline, Clock::now() + QuietWait), done))
            return true;
        while (Clock::now() < deadline) {
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            lock.lock();
            if (answered.wait_until(lock, std::min(deadline, Clock::now() + PaintInterval), done))
                return true;
        }
        return done();
    }

    void run() {
        OpenResult result = opener();
        std::unique_lock lock(mutex);
        opener = nullptr;
        file = std::move(result.file);
        opened = OpenResult{result.status, {}};
        answered.notify_all();
        while (!finished) {
            if (ready || blockSize == 0) {
                wake.wait(lock);
                continue;
            }
            const qint64 asked = blockSize;
            lock.unlock();
            ReadResult block = file.read(asked);
            lock.lock();
            // A short block is the end of the file, or a failure: nothing more to read ahead.
            if (!block.status.ok || block.bytes.size() < asked)
                blockSize = 0;
            ready = std::move(block);
            answered.notify_all();
        }
        file.close();
    }
};

OpenResult BoundedReadDevice::open(Opener opener, std::chrono::milliseconds bound) {
    auto shared = std::make_shared<Shared>();
    shared->opener = std::move(opener);
    std::thread([shared] { shared->run(); }).detach();

    OpenResult result;
    std::unique_lock lock(shared->mutex);
    if (!shared->waitFor(lock, Clock::now() + bound, [&] { return shared->opened.has_value(); })) {
        shared->finished = true;
        result.status = FileStatus::failure(noAnswer());
        return result;
    }
    if (!shared->opened->status.ok) {
        shared->finished = true;
        shared->wake.notify_all();
        result.status = shared->opened->status;
        return result;
    }
    const qint64 size = shared->file.size();
    lock.unlock();
    auto device = std::unique_ptr<BoundedReadDevice>(new BoundedReadDevice(shared, size, bound));
    device->QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    result.file = FileHandle(std::move(device));
    return result;
}

BoundedReadDevice::BoundedReadDevice(std::shared_ptr<Shared> shared, qint64 size,
                                     std::chrono::milliseconds bound)
    : shared_(std::move(shared)), size_(size), bound_(bound) {}

BoundedReadDevice::~BoundedReadDevice() {
    std::lock_guard lock(shared_->mutex);
    shared_->finished = true;
    shared_->wake.notify_all();
}

qint64 BoundedReadDevice::size() const {
    return size_;
}

qint64 BoundedReadDevice::readData(char* data, qint64 maxSize) {
    if (pendingAt_ == pending_.size()) {
        std::unique_lock lock(shared_->mutex);
        if (shared_->finished) {
            setErrorString(noAnswer());
            return -1;
        }
        if (!shared_->ready && shared_->blockSize == 0) {
            shared_->blockSize = maxSize;
            shared_->wake.notify_all();
        }
        if (!shared_->waitFor(lock, Clock::now() + bound_, [this] { return shared_->ready.has_value(); })) {
            shared_->finished = true;
            setErrorString(noAnswer());
            return -1;
        }
        ReadResult block = std::move(*shared_->ready);
        shared_->ready.reset();
        if (shared_->blockSize != 0) {
            shared_->blockSize = maxSize;
            shared_->wake.notify_all();
        }
        if (!block.status.ok) {
            setErrorString(block.status.error);
            return -1;
        }
        pending_ = std::move(block.bytes);
        pendingAt_ = 0;
    }
    const qint64 served = std::min<qint64>(maxSize, pending_.size() - pendingAt_);
    std::memcpy(data, pending_.constData() + pendingAt_, size_t(served));
    pendingAt_ += qsizetype(served);
    return served;
}

} // namespace platform
