#include "SlowDisc.h"

#include <thread>

platform::ReadResult SlowDisc::readAll(const QString& path, qint64 byteLimit) const {
    platform::ReadResult read = DiskFiles::readAll(path, byteLimit);
    if (slow_ && read.status.ok) {
        {
            std::lock_guard lock(cacheMutex_);
            if (cached_.contains(path))
                return read;
            cached_.insert(path);
        }
        std::lock_guard head(head_);
        std::this_thread::sleep_for(
            Seek + std::chrono::duration<double>(double(read.bytes.size()) / BytesPerSecond));
    }
    return read;
}

void SlowDisc::dropCache() {
    std::lock_guard lock(cacheMutex_);
    cached_.clear();
}
