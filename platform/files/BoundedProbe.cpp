#include "platform/files/BoundedProbe.h"

#include "platform/files/PathResolver.h"

#include <QCoreApplication>
#include <QHash>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

template <typename Result> struct BoundedProbe<Result>::Run {
    explicit Run(QString asked) : request(std::move(asked)) {}

    const QString request;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
    std::optional<Result> result;
};

template <typename Result> struct BoundedProbe<Result>::Shared {
    mutable std::mutex mutex;
    QHash<QString, std::shared_ptr<Run>> overran;
};

namespace {

using Clock = std::chrono::steady_clock;

// Nearly every answer comes within moments; until then nothing else runs, exactly as without a worker.
constexpr std::chrono::milliseconds QuietWait{50};
// How often the windows get to paint while a slow answer is awaited.
constexpr std::chrono::milliseconds PaintInterval{15};

template <typename Run> bool waitUntilDone(Run& run, Clock::time_point deadline) {
    std::unique_lock lock(run.mutex);
    const auto isDone = [&run] { return run.done; };
    if (run.finished.wait_until(lock, std::min(deadline, Clock::now() + QuietWait), isDone))
        return true;
    while (Clock::now() < deadline) {
        lock.unlock();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        lock.lock();
        if (run.finished.wait_until(lock, std::min(deadline, Clock::now() + PaintInterval), isDone))
            return true;
    }
    return run.done;
}

} // namespace

template <typename Result>
BoundedProbe<Result>::BoundedProbe(std::chrono::milliseconds bound)
    : bound_(bound), shared_(std::make_shared<Shared>()) {}

template <typename Result>
std::shared_ptr<typename BoundedProbe<Result>::Run> BoundedProbe<Result>::overrun(const QString& key) const {
    std::lock_guard lock(shared_->mutex);
    return shared_->overran.value(key);
}

template <typename Result> bool BoundedProbe<Result>::isHanging(const QString& key) const {
    return overrun(key) != nullptr;
}

template <typename Result>
std::optional<Result> BoundedProbe<Result>::run(const QString& key, const QString& request,
                                                std::function<Result()> query) const {
    if (const std::shared_ptr<Run> earlier = overrun(key)) {
        if (!waitUntilDone(*earlier, Clock::now() + bound_))
            return std::nullopt;
        if (earlier->request == request) {
            std::lock_guard lock(earlier->mutex);
            return earlier->result;
        }
    }

    auto run = std::make_shared<Run>(request);
    // The thread owns everything it touches, so it may outlive this probe and its caller safely.
    std::thread([run, shared = shared_, key, query = std::move(query)] {
        Result result = query();
        std::lock_guard lock(run->mutex);
        run->result = std::move(result);
        run->done = true;
        if (run->abandoned) {
            std::lock_guard sharedLock(shared->mutex);
            if (shared->overran.value(key) == run)
                shared->overran.remove(key);
        }
        run->finished.notify_all();
    }).detach();

    waitUntilDone(*run, Clock::now() + bound_);
    std::lock_guard lock(run->mutex);
    if (run->done)
        return std::move(run->result);
    run->abandoned = true;
    std::lock_guard sharedLock(shared_->mutex);
    shared_->overran.insert(key, run);
    return std::nullopt;
}

template class BoundedProbe<FolderListing>;

} // namespace platform
