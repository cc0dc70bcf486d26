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
// read comes back on its own. The worker reads ahead of the caller, which keeps the drive's reads
// overlapping the caller's work: one block of the size last asked for, or as much as the caller said.
class BoundedReadDevice : public QIODevice {
    Q_OBJECT
public:
    using Opener = std::function<OpenResult()>;
    // What a worker shares with its caller.
    struct Shared;

    // The opened file, or the failure to open it, or a failure when the open did not answer in time.
    static OpenResult open(Opener opener, std::chrono::milliseconds bound);
    // The open begun now, reading up to aheadBytes ahead, on a worker that starts once the worker begun
    // before it with the same `last` has read to the end or was given up; `last` then names the new one.
    // The bound counts from the moment the caller waits.
    static std::unique_ptr<PendingOpen> begin(Opener opener, std::chrono::milliseconds bound,
                                              qint64 aheadBytes, std::weak_ptr<Shared>& last);
    ~BoundedReadDevice() override;

    qint64 size() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    class Pending;
    BoundedReadDevice(std::shared_ptr<Shared> shared, qint64 size, std::chrono::milliseconds bound);

    std::shared_ptr<Shared> shared_;
    qint64 size_;
    std::chrono::milliseconds bound_;
    QByteArray pending_; // read by the worker, not yet handed out
    qsizetype pendingAt_ = 0;
};

} // namespace platform
