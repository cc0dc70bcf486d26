#pragma once

#include <cstddef>

namespace platform {

// Memory written once from end to end in large amounts, such as a decoded scan, taken from the system
// aligned to its huge pages of 2 MB and advised to use them: in pages of 4 KB the system takes thousands of
// page faults for tens of megabytes. Where the system has no huge pages the advice is ignored and nothing
// is lost. Null when there is no memory.
void* mapOnHugePages(std::size_t bytes);
// Gives back what mapOnHugePages returned for the same number of bytes.
void unmapHugePages(void* start, std::size_t bytes);

} // namespace platform
