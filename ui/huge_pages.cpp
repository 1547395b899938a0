// Large blocks mapped with room to slide to a 2 MB boundary, the slack
// unmapped again, then madvise(MADV_HUGEPAGE): the kernel's "madvise" mode
// of transparent huge pages serves only regions asked for. Untouched pages
// of a block cost nothing, so a block set aside for a range that is
// cancelled early holds only what was written.
#include "ui/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quantiva {

#if defined(__linux__) && defined(MADV_HUGEPAGE)

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

constexpr std::size_t WholePages(std::size_t Bytes) {
    return (Bytes + HugePage - 1) & ~(HugePage - 1);
}

constexpr bool Huge(std::size_t Bytes) { return Bytes >= HugeBlockBytes; }

}  // namespace

void* AllocateBlock(std::size_t Bytes) {
    if (!Huge(Bytes)) return ::operator new(Bytes);
    if (Bytes > static_cast<std::size_t>(-1) - 2 * HugePage) throw std::bad_alloc();
    const std::size_t Size = WholePages(Bytes);
    void* Mapped =
        mmap(nullptr, Size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (Mapped == MAP_FAILED) throw std::bad_alloc();
    const auto Start = reinterpret_cast<std::uintptr_t>(Mapped);
    const std::uintptr_t Begin = (Start + HugePage - 1) & ~(HugePage - 1);
    // The slack before and after the aligned block goes back.
    if (Begin > Start) munmap(Mapped, Begin - Start);
    if (const std::size_t After = Start + HugePage - Begin; After > 0)
        munmap(reinterpret_cast<void*>(Begin + Size), After);
    madvise(reinterpret_cast<void*>(Begin), Size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(Begin);
}

void FreeBlock(void* Block, std::size_t Bytes) noexcept {
    if (!Huge(Bytes))
        ::operator delete(Block);
    else
        munmap(Block, WholePages(Bytes));
}

#else

void* AllocateBlock(std::size_t Bytes) { return ::operator new(Bytes); }
void FreeBlock(void* Block, std::size_t) noexcept { ::operator delete(Block); }

#endif

}  // namespace quantiva
