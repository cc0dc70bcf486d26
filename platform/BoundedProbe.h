#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

// Runs a file-system query on a worker thread and stops waiting for it after a bound, so that a dead
// network mount cannot freeze the program. A query that overran keeps its thread until it ends on its own;
// while it does, further queries under the same key fail at once instead of piling up more stuck threads.
template <typename Result> class BoundedProbe {
public:
    explicit BoundedProbe(std::chrono::milliseconds bound);

    // The query's result, or nothing when it did not finish within the bound or its key still hangs.
    std::optional<Result> run(const QString& key, std::function<Result()> query) const;
    bool isHanging(const QString& key) const;

private:
    struct Shared;
    std::chrono::milliseconds bound_;
    std::shared_ptr<Shared> shared_;
};

} // namespace platform
