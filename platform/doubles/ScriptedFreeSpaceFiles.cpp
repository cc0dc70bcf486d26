#include "platform/doubles/ScriptedFreeSpaceFiles.h"

#include <algorithm>
#include <thread>

namespace platform {
namespace {

// Writes what still fits, if the disk can fill up, and then fails as a full disk does; commits as slowly
// as the disk is, and logs them.
class ScriptedFile : public ReplacementFile {
public:
    ScriptedFile(std::unique_ptr<ReplacementFile> file, std::shared_ptr<qint64> roomLeft, QString path,
                 std::shared_ptr<ScriptedFreeSpaceFiles::Commits> commits)
        : file_(std::move(file)), roomLeft_(std::move(roomLeft)), path_(std::move(path)),
          commits_(std::move(commits)) {}

    FileStatus write(QByteArrayView bytes) override {
        if (!failure_.ok)
            return failure_;
        if (!roomLeft_)
            return file_->write(bytes);
        const qsizetype fits = qsizetype(std::min<qint64>(*roomLeft_, bytes.size()));
        *roomLeft_ -= fits;
        const FileStatus written = file_->write(bytes.first(fits));
        if (!written.ok || fits == bytes.size())
            return written;
        failure_ = FileStatus::noRoom(QStringLiteral("No space left on device"));
        return failure_;
    }
    FileStatus commit() override {
        if (!failure_.ok)
            return failure_;
        std::this_thread::sleep_for(commits_->delay);
        const FileStatus committed = file_->commit();
        std::lock_guard lock(commits_->mutex);
        commits_->ended.append(path_);
        return committed;
    }

private:
    std::unique_ptr<ReplacementFile> file_;
    std::shared_ptr<qint64> roomLeft_;
    QString path_;
    std::shared_ptr<ScriptedFreeSpaceFiles::Commits> commits_;
    FileStatus failure_;
};

} // namespace

ReplacementResult ScriptedFreeSpaceFiles::openReplacement(const QString& path) const {
    ReplacementResult result = DiskFiles::openReplacement(path);
    if (result.status.ok)
        result.file = std::make_unique<ScriptedFile>(std::move(result.file), roomLeft_, path, commits_);
    return result;
}

QStringList ScriptedFreeSpaceFiles::committed() const {
    std::lock_guard lock(commits_->mutex);
    return commits_->ended;
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
