// madvise(MADV_HUGEPAGE) on the whole huge pages of a buffer: the kernel's
// "madvise" mode of transparent huge pages serves only regions asked for.
#include "ui/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quantiva {

void AdviseHugePages(const void* Data, std::size_t Bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t Huge = std::uintptr_t{2} << 20;
    const auto Start = reinterpret_cast<std::uintptr_t>(Data);
    const std::uintptr_t Begin = (Start + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t End = (Start + Bytes) & ~(Huge - 1);
    if (End > Begin) madvise(reinterpret_cast<void*>(Begin), End - Begin, MADV_HUGEPAGE);
#else
    (void)Data;
    (void)Bytes;
#endif
}

}  // namespace quantiva
