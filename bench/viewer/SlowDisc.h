#pragma once

#include "platform/files/DiskFiles.h"

#include <QSet>

#include <atomic>
#include <chrono>
#include <mutex>

// A 52-speed CD drive as the viewer meets it, once switched on: a read of a file first seeks and then
// transfers at the drive's rate, one read at a time. As the system's page cache does, a file read once
// is read from memory afterwards, until the cache is dropped. Looking at a file's size and time costs
// nothing (the drive's folders are in memory once listed).
class SlowDisc : public platform::DiskFiles {
public:
    static constexpr std::chrono::milliseconds Seek{80};
    static constexpr double BytesPerSecond = 7.8e6;

    using DiskFiles::DiskFiles;

    void setSlow(bool slow) { slow_ = slow; }
    void dropCache();
    platform::ReadResult readAll(const QString& path, qint64 byteLimit) const override;

private:
    std::atomic<bool> slow_{false};
    mutable std::mutex head_; // the drive reads one file at a time
    mutable std::mutex cacheMutex_;
    mutable QSet<QString> cached_;
};
