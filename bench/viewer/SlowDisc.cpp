#include "SlowDisc.h"

#include <thread>

platform::ReadResult SlowDisc::readAll(const QString& path, qint64 byteLimit) const {
    platform::ReadResult read = DiskFiles::readAll(path, byteLimit);
    if (slow_) {
        std::lock_guard head(head_);
        std::this_thread::sleep_for(
            Seek + std::chrono::duration<double>(double(read.bytes.size()) / BytesPerSecond));
    }
    return read;
}
