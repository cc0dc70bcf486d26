#pragma once

#include "platform/files/ReplacementFile.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace localcopy {

// Written files put in their targets' places on threads of their own, several at a time: forcing copied
// files to the disk overlaps reading and writing the next, and the file system can force several files in
// one go. Each file is still named only by its own commit, once its bytes are on the disk. The waits let
// the windows paint.
class BackgroundCommits {
public:
    struct Outcome {
        int index;
        platform::FileStatus status;
    };

    BackgroundCommits(int threads, int mostWaiting);
    // The commits under way end; files still waiting are dropped, which leaves nothing of them behind.
    ~BackgroundCommits();
    BackgroundCommits(const BackgroundCommits&) = delete;
    BackgroundCommits& operator=(const BackgroundCommits&) = delete;

    // Waits first while mostWaiting files wait already.
    void add(int index, std::unique_ptr<platform::ReplacementFile> file);
    // The commits that ended since the last call.
    std::vector<Outcome> takeEnded();
    // Returns once every file added is committed.
    void finish();

private:
    struct Waiting {
        int index;
        std::unique_ptr<platform::ReplacementFile> file;
    };
    template <typename Predicate> void waitPainting(std::unique_lock<std::mutex>& lock, Predicate done);
    void run();

    const std::size_t mostWaiting_;
    std::mutex mutex_;
    std::condition_variable added_; // for the worker
    std::condition_variable ended_; // for the caller
    std::deque<Waiting> waiting_;
    int committing_ = 0;
    bool stopping_ = false;
    std::vector<Outcome> outcomes_;
    std::vector<std::thread> workers_; // last, so that they start once the rest is ready
};

} // namespace localcopy
