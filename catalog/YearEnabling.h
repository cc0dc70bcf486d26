#pragma once

#include "catalog/FileLister.h"
#include "catalog/YearButtons.h"

#include <array>
#include <string>
#include <string_view>

namespace catalog {

// Which year buttons a category offers. "vantor" offers all fifty without looking at the disk. Any other
// key enables a button when the first ad of that year, named year number + "pe" + key + "00.jpg" (year
// numbers run on past 99 to 100 and 101, so "00"/"01" files never count), is in adRoot's ads folder;
// an unknown key starts at year 53 like "kx". The folder is listed once; when it cannot be listed, each
// year's first ad is asked for.
std::array<bool, YearButtonCount> enabledYearButtons(std::string_view key, const std::string& adRoot,
                                                     const FileLister& lister);

} // namespace catalog
