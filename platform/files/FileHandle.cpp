#include "platform/files/FileHandle.h"

#include <QFileDevice>

#include <algorithm>

namespace platform {

FileHandle::FileHandle() = default;
FileHandle::FileHandle(std::unique_ptr<QIODevice> device) : device_(std::move(device)) {}
FileHandle::FileHandle(FileHandle&&) noexcept = default;
FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        device_ = std::move(other.device_);
    }
    return *this;
}
FileHandle::~FileHandle() {
    close();
}

bool FileHandle::isOpen() const {
    return device_ && device_->isOpen();
}

qint64 FileHandle::size() const {
    return isOpen() ? device_->size() : 0;
}

FileStatus FileHandle::readFully(std::span<char> buffer) {
    if (!isOpen() || !device_->isReadable())
        return FileStatus::failure(QStringLiteral("The file is not open for reading."));
    qsizetype done = 0;
    while (done < qsizetype(buffer.size())) {
        const qint64 got = device_->read(buffer.data() + done, qint64(buffer.size()) - done);
        if (got < 0)
            return FileStatus::failure(device_->errorString());
        if (got == 0)
            return FileStatus::failure(QStringLiteral("The file ended before its length."));
        done += got;
    }
    return FileStatus::success();
}

ReadResult FileHandle::read(qint64 maxBytes) {
    ReadResult result;
    if (!isOpen() || !device_->isReadable()) {
        result.status = FileStatus::failure(QStringLiteral("The file is not open for reading."));
        return result;
    }
    if (maxBytes < 0) {
        result.status = FileStatus::failure(QStringLiteral("A negative number of bytes cannot be read."));
        return result;
    }
    // Room for what the file still holds, not for all that was asked: a caller may ask for far more.
    const qint64 left = std::max<qint64>(0, device_->size() - device_->pos());
    result.bytes.resize(qsizetype(std::min(maxBytes, left)));
    const qint64 got = device_->read(result.bytes.data(), result.bytes.size());
    if (got < 0) {
        result.bytes.clear();
        result.status = FileStatus::failure(device_->errorString());
        return result;
    }
    result.bytes.truncate(qsizetype(got));
    return result;
}

FileStatus FileHandle::write(QByteArrayView bytes) {
    if (!isOpen() || !device_->isWritable())
        return FileStatus::failure(QStringLiteral("The file is not open for writing."));
    if (device_->write(bytes.data(), bytes.size()) != bytes.size())
        return FileStatus::failure(device_->errorString());
    return FileStatus::success();
}

FileStatus FileHandle::close() {
    if (!isOpen())
        return FileStatus::success();
    FileStatus status;
    auto* file = qobject_cast<QFileDevice*>(device_.get());
    if (file) {
        file->unsetError();
        if (file->isWritable() && !file->flush())
            status = FileStatus::failure(file->errorString());
    }
    device_->close();
    if (file && status.ok && file->error() != QFileDevice::NoError)
        status = FileStatus::failure(file->errorString());
    device_.reset();
    return status;
}

} // namespace platform
