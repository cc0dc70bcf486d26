#pragma once

#include "platform/files/FileHandle.h"

#include <QString>

namespace platform {

// Reads a whole ordinary file of at most byteLimit bytes. Anything else a name can stand for is refused
// at once, without reading a byte: a FIFO (which would wait for a writer), a device or a link to one
// (/dev/zero never ends), a folder, or a file larger than the caller will ever use.
ReadResult readRegularFile(const QString& nativePath, qint64 byteLimit);

// Opens an ordinary file for reading, refusing anything else at once as readRegularFile does; for files
// read block by block.
OpenResult openRegularFile(const QString& nativePath);

// True when nothing is at the path yet or an ordinary file is, found without blocking: for files that other
// code opens by name, such as the settings file.
bool isAbsentOrRegularFile(const QString& nativePath);

} // namespace platform
