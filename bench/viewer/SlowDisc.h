#pragma once

#include "platform/DiskFiles.h"

#include <atomic>
#include <chrono>
#include <mutex>

// A 52-speed CD drive as the viewer meets it, once switched on: every read of a file first seeks and then
// transfers at the drive's rate, one read at a time, and nothing is cached, as on a disc read for the first
// time. Looking at a file's size and time costs nothing (the drive's folders are in memory once listed).
class SlowDisc : public platform::DiskFiles {
public:
    static constexpr std::chrono::milliseconds Seek{80};
    static constexpr double BytesPerSecond = 7.8e6;

    using DiskFiles::DiskFiles;

    void setSlow(bool slow) { slow_ = slow; }
    platform::ReadResult readAll(const QString& path, qint64 byteLimit) const override;

private:
    std::atomic<bool> slow_{false};
    mutable std::mutex head_; // the drive reads one file at a time
};
