#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace picture {

// A piece of work that runs exactly once: on a worker when its turn comes, or right away on the thread
// that needs its result first. Whoever comes second waits for that one run, never for other work.
class Task {
public:
    explicit Task(std::function<void()> work) : work_(std::move(work)) {}

    // Runs the work unless it has run or is running; returns when it is done either way.
    void run();
    // Runs the work if it has not started; false, at once, when it has.
    bool runIfWaiting();
    bool done() const;

private:
    enum class Stage { Waiting, Running, Done };
    mutable std::mutex mutex_;
    std::condition_variable finished_;
    Stage stage_ = Stage::Waiting;
    std::function<void()> work_;
};

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
