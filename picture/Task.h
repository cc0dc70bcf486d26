#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

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

} // namespace picture
