#include "platform/files/BoundedReadDevice.h"

#include <QCoreApplication>
#include <condition_variable>
#include <cstring>
#include <deque>
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
// The most a worker that reads ahead of its caller asks of the drive at a time.
constexpr qint64 AheadBlockBytes = 64 * 1024;

QString noAnswer() {
    return QStringLiteral("The drive did not answer in time.");
}

} // namespace

// Everything the worker touches, kept alive by whichever of the two ends last.
struct BoundedReadDevice::Shared {
    std::mutex mutex;
    std::condition_variable wake; // for the worker: a block is wanted, or room for one, or the end
    std::condition_variable
        answered; // for the caller: the open or a block is done; for a later worker: the end
    Opener opener;
    std::optional<OpenResult> opened;
    FileHandle file;
    bool followsCaller = true;    // reads the size the caller asked for last, one block ahead
    qint64 blockSize = 0;         // what the worker reads at a time; 0 until known
    qint64 aheadBytes = 0;        // how much it holds at most before the caller takes it
    std::deque<ReadResult> ready; // read ahead, not yet taken
    qint64 readyBytes = 0;
    std::optional<FileStatus> end; // the worker met the end of the file, or a failure, and reads no more
    bool finished = false;         // the caller is gone or gave up

    void finish() {
        finished = true;
        wake.notify_all();
        answered.notify_all();
    }

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

    // The earlier worker's reads have ended, or its caller gave it up.
    void waitForEnd() {
        std::unique_lock lock(mutex);
        answered.wait(lock, [this] { return end || finished; });
    }

    void run(std::shared_ptr<Shared> before) {
        if (before)
            before->waitForEnd();
        before.reset();
        OpenResult result = opener();
        std::unique_lock lock(mutex);
        opener = nullptr;
        file = std::move(result.file);
        opened = OpenResult{result.status, {}};
        if (!result.status.ok)
            end = result.status;
        answered.notify_all();
        while (!finished) {
            if (end || blockSize == 0 || (!ready.empty() && readyBytes >= aheadBytes)) {
                wake.wait(lock);
                continue;
            }
            const qint64 asked = blockSize;
            lock.unlock();
            ReadResult block = file.read(asked);
            lock.lock();
            // A short block is the end of the file, or a failure: nothing more to read ahead.
            if (!block.status.ok || block.bytes.size() < asked)
                end = block.status;
            readyBytes += block.bytes.size();
            ready.push_back(std::move(block));
            answered.notify_all();
        }
        file.close();
    }
};

// The open under way, until its caller waits for it.
class BoundedReadDevice::Pending : public PendingOpen {
public:
    Pending(std::shared_ptr<Shared> shared, std::chrono::milliseconds bound)
        : shared_(std::move(shared)), bound_(bound) {}
    ~Pending() override {
        if (!shared_)
            return;
        std::lock_guard lock(shared_->mutex);
        shared_->finish();
    }

    OpenResult take() override {
        const std::shared_ptr<Shared> shared = std::move(shared_);
        OpenResult result;
        std::unique_lock lock(shared->mutex);
        if (!shared->waitFor(lock, Clock::now() + bound_, [&] { return shared->opened.has_value(); })) {
            shared->finish();
            result.status = FileStatus::failure(noAnswer());
            return result;
        }
        if (!shared->opened->status.ok) {
            shared->finish();
            result.status = shared->opened->status;
            return result;
        }
        const qint64 size = shared->file.size();
        lock.unlock();
        auto device = std::unique_ptr<BoundedReadDevice>(new BoundedReadDevice(shared, size, bound_));
        device->QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        result.file = FileHandle(std::move(device));
        return result;
    }

private:
    std::shared_ptr<Shared> shared_;
    std::chrono::milliseconds bound_;
};

OpenResult BoundedReadDevice::open(Opener opener, std::chrono::milliseconds bound) {
    auto shared = std::make_shared<Shared>();
    shared->opener = std::move(opener);
    std::thread([shared] { shared->run(nullptr); }).detach();
    return Pending(shared, bound).take();
}

std::unique_ptr<PendingOpen> BoundedReadDevice::begin(Opener opener, std::chrono::milliseconds bound,
                                                      qint64 aheadBytes, std::weak_ptr<Shared>& last) {
    auto shared = std::make_shared<Shared>();
    shared->opener = std::move(opener);
    shared->followsCaller = false;
    shared->blockSize = std::min(aheadBytes, AheadBlockBytes);
    shared->aheadBytes = aheadBytes;
    std::thread([shared, before = last.lock()] { shared->run(before); }).detach();
    last = shared;
    return std::make_unique<Pending>(shared, bound);
}

BoundedReadDevice::BoundedReadDevice(std::shared_ptr<Shared> shared, qint64 size,
                                     std::chrono::milliseconds bound)
    : shared_(std::move(shared)), size_(size), bound_(bound) {}

BoundedReadDevice::~BoundedReadDevice() {
    std::lock_guard lock(shared_->mutex);
    shared_->finish();
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
        if (shared_->ready.empty() && shared_->end) {
            setErrorString(shared_->end->error);
            return shared_->end->ok ? 0 : -1;
        }
        if (shared_->followsCaller) {
            shared_->blockSize = maxSize;
            shared_->aheadBytes = maxSize;
            shared_->wake.notify_all();
        }
        if (!shared_->waitFor(lock, Clock::now() + bound_, [this] { return !shared_->ready.empty(); })) {
            shared_->finish();
            setErrorString(noAnswer());
            return -1;
        }
        ReadResult block = std::move(shared_->ready.front());
        shared_->ready.pop_front();
        shared_->readyBytes -= block.bytes.size();
        // A worker at the end sleeps on; waking it for nothing costs the caller a system call per block.
        if (!shared_->end)
            shared_->wake.notify_all();
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
