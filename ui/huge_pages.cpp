// Large blocks mapped with room to slide to a 2 MB boundary, the slack
// unmapped again, then madvise(MADV_HUGEPAGE): the kernel's "madvise" mode
// of transparent huge pages serves only regions asked for. A helper thread
// then faults the block in with MADV_POPULATE_WRITE, a huge page at a time
// and every block at the same pace, ahead of the rows that fill them: the
// zeroing of fresh memory (in a virtual machine, memory the host took back
// cost over a millisecond per megabyte) runs beside the calculation
// instead of inside it. Readying never changes what a block holds, so a
// block freed meanwhile only fails its next step.
#include "ui/huge_pages.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>

#include <cerrno>
#endif

namespace quantiva {

#if defined(__linux__) && defined(MADV_HUGEPAGE)

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

constexpr std::size_t WholePages(std::size_t Bytes) {
    return (Bytes + HugePage - 1) & ~(HugePage - 1);
}

constexpr bool Huge(std::size_t Bytes) { return Bytes >= HugeBlockBytes; }

class TReadier {
public:
    ~TReadier() {
        {
            const std::lock_guard Lock(FMutex);
            FStop = true;
        }
        FWake.notify_all();
        if (FThread.joinable()) FThread.join();
    }

    void Add(std::uintptr_t Begin, std::size_t Size) {
        const std::lock_guard Lock(FMutex);
        if (FUnsupported) return;
        FBlocks.push_back({Begin, Size, 0});
        if (!FThread.joinable()) FThread = std::thread([this] { Run(); });
        FWake.notify_one();
    }

    void Stop() {
        const std::lock_guard Lock(FMutex);
        FBlocks.clear();
    }

private:
    struct TBlock {
        std::uintptr_t Begin;
        std::size_t Size;
        std::size_t Done;
    };

    void Run() {
        std::unique_lock Lock(FMutex);
        for (;;) {
            FWake.wait(Lock, [this] { return FStop || !FBlocks.empty(); });
            if (FStop) return;
            // The block least far along, as a share of its size: the rows
            // fill all blocks of a range at the same pace.
            const TBlock Next = *std::min_element(
                FBlocks.cbegin(), FBlocks.cend(), [](const TBlock& A, const TBlock& B) {
                    return static_cast<double>(A.Done) / static_cast<double>(A.Size) <
                           static_cast<double>(B.Done) / static_cast<double>(B.Size);
                });
            const std::size_t Step = std::min(HugePage, Next.Size - Next.Done);
            Lock.unlock();
            const bool Readied = madvise(reinterpret_cast<void*>(Next.Begin + Next.Done), Step,
                                         MADV_POPULATE_WRITE) == 0;
            const bool Unsupported = !Readied && errno == EINVAL;
            Lock.lock();
            FUnsupported = FUnsupported || Unsupported;
            // The block may have been dropped meanwhile.
            const auto At = std::find_if(FBlocks.begin(), FBlocks.end(),
                                         [&](const TBlock& B) { return B.Begin == Next.Begin; });
            if (At == FBlocks.end()) continue;
            At->Done += Step;
            if (!Readied || At->Done >= At->Size) FBlocks.erase(At);
            if (FUnsupported) FBlocks.clear();
        }
    }

    std::mutex FMutex;
    std::condition_variable FWake;
    std::vector<TBlock> FBlocks;
    bool FStop = false;
    bool FUnsupported = false;  // a kernel without MADV_POPULATE_WRITE
    std::thread FThread;
};

TReadier& Readier() {
    static TReadier Instance;
    return Instance;
}

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
    Readier().Add(Begin, Size);
    return reinterpret_cast<void*>(Begin);
}

void FreeBlock(void* Block, std::size_t Bytes) noexcept {
    if (!Huge(Bytes))
        ::operator delete(Block);
    else
        munmap(Block, WholePages(Bytes));
}

void StopReadying() { Readier().Stop(); }

void ReleaseUnused(const void* Block, std::size_t Used, std::size_t Capacity) {
    if (!Huge(Capacity)) return;
    // Whole huge pages only: giving back part of one splits it, and in a
    // virtual machine reading the rest of it afterwards cost over a
    // millisecond per megabyte, more than the memory was worth.
    const auto Start = reinterpret_cast<std::uintptr_t>(Block);
    const std::uintptr_t Begin = Start + WholePages(Used);
    const std::uintptr_t End = Start + WholePages(Capacity);  // the block's mapping ends there
    if (End > Begin) madvise(reinterpret_cast<void*>(Begin), End - Begin, MADV_DONTNEED);
}

#else

void* AllocateBlock(std::size_t Bytes) { return ::operator new(Bytes); }
void FreeBlock(void* Block, std::size_t) noexcept { ::operator delete(Block); }
void StopReadying() {}
void ReleaseUnused(const void*, std::size_t, std::size_t) {}

#endif

}  // namespace quantiva
