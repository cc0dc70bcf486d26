#include "platform/doubles/ScriptedFreeSpaceFiles.h"

#include <algorithm>

namespace platform {
namespace {

// Writes what still fits and then fails as a full disk does.
class FillingFile : public ReplacementFile {
public:
    FillingFile(std::unique_ptr<ReplacementFile> file, std::shared_ptr<qint64> roomLeft)
        : file_(std::move(file)), roomLeft_(std::move(roomLeft)) {}

    FileStatus write(QByteArrayView bytes) override {
        if (!failure_.ok)
            return failure_;
        const qsizetype fits = qsizetype(std::min<qint64>(*roomLeft_, bytes.size()));
        *roomLeft_ -= fits;
        const FileStatus written = file_->write(bytes.first(fits));
        if (!written.ok || fits == bytes.size())
            return written;
        failure_ = FileStatus::noRoom(QStringLiteral("No space left on device"));
        return failure_;
    }
    FileStatus commit() override { return failure_.ok ? file_->commit() : failure_; }

private:
    std::unique_ptr<ReplacementFile> file_;
    std::shared_ptr<qint64> roomLeft_;
    FileStatus failure_;
};

} // namespace

ReplacementResult ScriptedFreeSpaceFiles::openReplacement(const QString& path) const {
    ReplacementResult result = DiskFiles::openReplacement(path);
    if (result.status.ok && roomLeft_)
        result.file = std::make_unique<FillingFile>(std::move(result.file), roomLeft_);
    return result;
}

void ScriptedFreeSpaceFiles::failReads(const QString& path, int times) {
    std::lock_guard lock(readsMutex_);
    failingReads_[path] = times;
}

ReadResult ScriptedFreeSpaceFiles::readAll(const QString& path, qint64 byteLimit) const {
    {
        std::lock_guard lock(readsMutex_);
        ++reads_[path];
        if (int& failing = failingReads_[path]; failing > 0) {
            --failing;
            return {FileStatus::failure(QStringLiteral("Input/output error")), {}};
        }
    }
    return DiskFiles::readAll(path, byteLimit);
}

int ScriptedFreeSpaceFiles::readsOf(const QString& path) const {
    std::lock_guard lock(readsMutex_);
    return reads_.value(path);
}

} // namespace platform
