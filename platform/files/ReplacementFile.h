#pragma once

#include "platform/files/FileHandle.h"

#include <QByteArrayView>
#include <memory>

namespace platform {

// A file written beside its target under a name of its own and put in the target's place only by commit(),
// once every byte is written and the file is closed. Until then the target keeps what it held; a file
// that fails or is dropped without commit() leaves nothing behind.
class ReplacementFile {
public:
    virtual ~ReplacementFile() = default;
    // Fails unless every byte was written; after a failure nothing more is written and commit() fails.
    virtual FileStatus write(QByteArrayView bytes) = 0;
    virtual FileStatus commit() = 0;
};

struct ReplacementResult {
    FileStatus status;
    std::unique_ptr<ReplacementFile> file; // set only when status.ok
};

} // namespace platform
