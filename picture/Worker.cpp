#include "picture/Worker.h"

#include "platform/ThreadPriority.h"

namespace picture {

Worker::Worker(Urgency urgency) : thread_([this, urgency] { loop(urgency); }) {}

Worker::~Worker() {
    {
        std::lock_guard lock(mutex_);
        queue_.clear();
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Worker::post(std::shared_ptr<Task> task, std::chrono::milliseconds delay) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({std::move(task), std::chrono::steady_clock::now() + delay});
    }
    wake_.notify_one();
}

int Worker::dropPending() {
    std::lock_guard lock(mutex_);
    const int dropped = int(queue_.size());
    queue_.clear();
    wake_.notify_one();
    return dropped;
}

bool Worker::idle() const {
    std::lock_guard lock(mutex_);
    return queue_.empty() && !busy_;
}

void Worker::loop(Urgency urgency) {
    if (urgency == Urgency::Ahead)
        platform::lowerCurrentThreadPriority();
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_)
            return;
        // The task waited for may be dropped, or others posted, meanwhile: look at the queue afresh.
        if (const auto startAt = queue_.front().startAt; std::chrono::steady_clock::now() < startAt) {
            wake_.wait_until(lock, startAt, [this] { return stopping_ || queue_.empty(); });
            continue;
        }
        std::shared_ptr<Task> task = std::move(queue_.front().task);
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        task->run();
        lock.lock();
        busy_ = false;
    }
}

} // namespace picture
