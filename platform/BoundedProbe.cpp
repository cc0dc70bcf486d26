#include "platform/BoundedProbe.h"

#include "platform/PathResolver.h"

#include <QSet>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

template <typename Result> struct BoundedProbe<Result>::Shared {
    mutable std::mutex mutex;
    QSet<QString> hanging;
};

namespace {

template <typename Result> struct Run {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
    std::optional<Result> result;
};

} // namespace

template <typename Result>
BoundedProbe<Result>::BoundedProbe(std::chrono::milliseconds bound)
    : bound_(bound), shared_(std::make_shared<Shared>()) {}

template <typename Result> bool BoundedProbe<Result>::isHanging(const QString& key) const {
    std::lock_guard lock(shared_->mutex);
    return shared_->hanging.contains(key);
}

template <typename Result>
std::optional<Result> BoundedProbe<Result>::run(const QString& key, std::function<Result()> query) const {
    if (isHanging(key))
        return std::nullopt;

    auto run = std::make_shared<Run<Result>>();
    // The thread owns everything it touches, so it may outlive this probe and its caller safely.
    std::thread([run, shared = shared_, key, query = std::move(query)] {
        Result result = query();
        std::lock_guard lock(run->mutex);
        run->result = std::move(result);
        run->done = true;
        if (run->abandoned) {
            std::lock_guard sharedLock(shared->mutex);
            shared->hanging.remove(key);
        }
        run->finished.notify_all();
    }).detach();

    std::unique_lock lock(run->mutex);
    if (run->finished.wait_for(lock, bound_, [&] { return run->done; }))
        return std::move(run->result);
    run->abandoned = true;
    std::lock_guard sharedLock(shared_->mutex);
    shared_->hanging.insert(key);
    return std::nullopt;
}

template class BoundedProbe<FolderListing>;

} // namespace platform
