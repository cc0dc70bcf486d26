#include "localcopy/BackgroundCommits.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <utility>

namespace localcopy {
namespace {

// How often the windows get to paint while a commit is awaited.
constexpr std::chrono::milliseconds PaintInterval{15};

} // namespace

BackgroundCommits::BackgroundCommits(int threads, int mostWaiting)
    : mostWaiting_(std::size_t(std::max(mostWaiting, 1))) {
    for (int i = 0; i < std::max(threads, 1); ++i)
        workers_.emplace_back([this] { run(); });
}

BackgroundCommits::~BackgroundCommits() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        added_.notify_all();
    }
    for (std::thread& worker : workers_)
        worker.join();
}

template <typename Predicate>
void BackgroundCommits::waitPainting(std::unique_lock<std::mutex>& lock, Predicate done) {
    while (!ended_.wait_for(lock, PaintInterval, done)) {
        lock.unlock();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        lock.lock();
    }
}

void BackgroundCommits::add(int index, std::unique_ptr<platform::ReplacementFile> file) {
    std::unique_lock lock(mutex_);
    waitPainting(lock, [this] { return waiting_.size() < mostWaiting_; });
    waiting_.push_back({index, std::move(file)});
    added_.notify_one();
}

std::vector<BackgroundCommits::Outcome> BackgroundCommits::takeEnded() {
    std::lock_guard lock(mutex_);
    return std::exchange(outcomes_, {});
}

void BackgroundCommits::finish() {
    std::unique_lock lock(mutex_);
    waitPainting(lock, [this] { return waiting_.empty() && committing_ == 0; });
}

void BackgroundCommits::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        added_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (stopping_)
            return;
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        ++committing_;
        lock.unlock();
        const platform::FileStatus committed = next.file->commit();
        next.file.reset();
        lock.lock();
        --committing_;
        outcomes_.push_back({next.index, committed});
        ended_.notify_all();
    }
}

} // namespace localcopy
