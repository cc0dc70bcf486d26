#pragma once

#include "catalog/FileLister.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace catalog {

// Path texts of every file in adRoot's "\Ads\" folder, sorted by plain byte order (upper case before
// lower case). When the folder cannot be listed, reportFailureAndAskRetry is asked: true lists again,
// false (or an empty callback) gives up with no list.
std::optional<std::vector<std::string>>
buildAdFileList(const std::string& adRoot, const FileLister& lister,
                const std::function<bool()>& reportFailureAndAskRetry);

} // namespace catalog
