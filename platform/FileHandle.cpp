#include "platform/FileHandle.h"

#include <QFile>

namespace platform {

FileHandle::FileHandle() = default;
FileHandle::FileHandle(std::unique_ptr<QFile> file) : file_(std::move(file)) {}
FileHandle::FileHandle(FileHandle&&) noexcept = default;
FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        file_ = std::move(other.file_);
    }
    return *this;
}
FileHandle::~FileHandle() {
    close();
}

bool FileHandle::isOpen() const {
    return file_ && file_->isOpen();
}

qint64 FileHandle::size() const {
    return isOpen() ? file_->size() : 0;
}

FileStatus FileHandle::readFully(std::span<char> buffer) {
    if (!isOpen() || !file_->isReadable())
        return FileStatus::failure(QStringLiteral("The file is not open for reading."));
    qsizetype done = 0;
    while (done < qsizetype(buffer.size())) {
        const qint64 got = file_->read(buffer.data() + done, qint64(buffer.size()) - done);
        if (got < 0)
            return FileStatus::failure(file_->errorString());
        if (got == 0)
            return FileStatus::failure(QStringLiteral("The file ended before its length."));
        done += got;
    }
    return FileStatus::success();
}

ReadResult FileHandle::read(qint64 maxBytes) {
    ReadResult result;
    if (!isOpen() || !file_->isReadable()) {
        result.status = FileStatus::failure(QStringLiteral("The file is not open for reading."));
        return result;
    }
    if (maxBytes < 0) {
        result.status = FileStatus::failure(QStringLiteral("A negative number of bytes cannot be read."));
        return result;
    }
    file_->unsetError();
    result.bytes = file_->read(maxBytes);
    if (file_->error() != QFileDevice::NoError)
        result.status = FileStatus::failure(file_->errorString());
    return result;
}

FileStatus FileHandle::write(QByteArrayView bytes) {
    if (!isOpen() || !file_->isWritable())
        return FileStatus::failure(QStringLiteral("The file is not open for writing."));
    file_->unsetError();
    if (file_->write(bytes.data(), bytes.size()) != bytes.size())
        return FileStatus::failure(file_->errorString());
    return FileStatus::success();
}

FileStatus FileHandle::close() {
    if (!isOpen())
        return FileStatus::success();
    FileStatus status;
    file_->unsetError();
    if (file_->isWritable() && !file_->flush())
        status = FileStatus::failure(file_->errorString());
    file_->close();
    if (status.ok && file_->error() != QFileDevice::NoError)
        status = FileStatus::failure(file_->errorString());
    file_.reset();
    return status;
}

} // namespace platform
