#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

// Runs file-system queries on a worker thread and waits for each only so long, so that a drive that hangs
// (a dead network mount, a damaged disc) cannot hold the program up for good. A slow answer is no failure:
// a disc spinning up or a folder of very many files may take seconds, so the bound is generous, and while
// the program waits its windows keep painting (events are processed, but no user input, so that nothing
// re-enters the caller).
//
// A query that overran keeps its thread until it ends on its own. Further queries under the same key (one
// drive) wait for it, within their own bound, instead of failing at once or piling up more threads on the
// drive; when it ends in time, a query that asked the same takes its answer, any other runs then.
template <typename Result> class BoundedProbe {
public:
    explicit BoundedProbe(std::chrono::milliseconds bound);

    // The query's result, or nothing when no answer came within the bound.
    std::optional<Result> run(const QString& key, const QString& request,
                              std::function<Result()> query) const;
    // True while a query under the key that overran its bound still runs.
    bool isHanging(const QString& key) const;

private:
    struct Run;
    struct Shared;
    std::shared_ptr<Run> overrun(const QString& key) const;

    std::chrono::milliseconds bound_;
    std::shared_ptr<Shared> shared_;
};

} // namespace platform
