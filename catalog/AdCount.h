#pragma once

#include "catalog/FileLister.h"

#include <string>

namespace catalog {

// Number of ads of a year: the highest ad number from 0 to 100 whose file exists, plus one, or 0 when
// none exists. Gaps below the highest number are not noticed. firstAdPath is the path text of the year's
// first ad (ending "00.jpg"); its folder is listed once and names are compared without regard to case.
// When the folder cannot be listed, each number is asked for, from 100 down.
int countAds(const std::string& firstAdPath, const FileLister& lister);

} // namespace catalog
