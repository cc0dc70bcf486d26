#include "picture/Task.h"

namespace picture {

void Task::run() {
    if (runIfWaiting())
        return;
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return stage_ == Stage::Done; });
}

bool Task::runIfWaiting() {
    std::unique_lock lock(mutex_);
    if (stage_ != Stage::Waiting)
        return false;
    stage_ = Stage::Running;
    lock.unlock();
    work_();
    lock.lock();
    stage_ = Stage::Done;
    work_ = nullptr;
    finished_.notify_all();
    return true;
}

bool Task::done() const {
    std::lock_guard lock(mutex_);
    return stage_ == Stage::Done;
}

} // namespace picture
