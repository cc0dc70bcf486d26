#pragma once

#include "platform/files/FileHandle.h"

#include <QIODevice>
#include <chrono>
#include <functional>
#include <memory>

namespace platform {

// A file of a drive that may stop answering (a damaged disc the drive keeps retrying, a dead network
// mount), opened and read on a worker thread of its own and waited for only so long, as the folder
// listings are; meanwhile the windows keep painting (events are processed, but no user input). A read
// that does not answer in time fails, and so does every later one: the worker keeps the file until its
// read comes back on its own. The worker reads one block ahead of the caller, which keeps a copy's reads
// and writes overlapping.
class BoundedReadDevice : public QIODevice {
    Q_OBJECT
public:
    using Opener = std::function<OpenResult()>;

    // The opened file, or the failure to open it, or a failure when the open did not answer in time.
    static OpenResult open(Opener opener, std::chrono::milliseconds bound);
    ~BoundedReadDevice() override;

    qint64 size() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Shared;
    BoundedReadDevice(std::shared_ptr<Shared> shared, qint64 size, std::chrono::milliseconds bound);

    std::shared_ptr<Shared> shared_;
    qint64 size_;
    std::chrono::milliseconds bound_;
    QByteArray pending_; // read by the worker, not yet handed out
    qsizetype pendingAt_ = 0;
};

} // namespace platform
