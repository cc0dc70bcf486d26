#pragma once

#include "picture/Task.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace picture {

// One thread that runs queued tasks in order. Tasks no longer wanted are dropped before they start; one
// that has started runs to its end (the destructor waits for it).
class Worker {
public:
    // A worker for work the user has not asked for yet yields the processor to everything else.
    enum class Urgency { Wanted, Ahead };
    // Every task starts a moment after it was posted, so that the window paints what the user asked for
    // without sharing the memory bus and the page-fault path with a large decode; one who needs a result
    // sooner runs its task at once.
    static constexpr std::chrono::milliseconds StartDelay{20};

    explicit Worker(Urgency urgency = Urgency::Wanted);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void post(std::shared_ptr<Task> task, std::chrono::milliseconds delay = StartDelay);
    // Returns how many tasks were dropped.
    int dropPending();
    // True when nothing is queued or running.
    bool idle() const;

private:
    void loop(Urgency urgency);

    struct Posted {
        std::shared_ptr<Task> task;
        std::chrono::steady_clock::time_point startAt;
    };

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Posted> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace picture
