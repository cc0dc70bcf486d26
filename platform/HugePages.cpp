#include "platform/HugePages.h"

#include <cstdint>
#include <sys/mman.h>

namespace platform {
namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

std::size_t rounded(std::size_t bytes) {
    return (bytes + HugePage - 1) / HugePage * HugePage;
}

} // namespace

void* mapOnHugePages(std::size_t bytes) {
    const std::size_t length = rounded(bytes);
    // One huge page more than needed, so that a start on a huge page boundary is found inside.
    void* mapped =
        ::mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto first = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t start = (first + HugePage - 1) & ~std::uintptr_t(HugePage - 1);
    if (start > first)
        ::munmap(mapped, start - first);
    if (const std::uintptr_t end = first + length + HugePage; end > start + length)
        ::munmap(reinterpret_cast<void*>(start + length), end - start - length);
    ::madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(start);
}

void unmapHugePages(void* start, std::size_t bytes) {
    ::munmap(start, rounded(bytes));
}

} // namespace platform
