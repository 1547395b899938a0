// Storage for the large buffers that a long range fills from start to end
// (the results text, its line index, the chart's points): blocks of a
// quarter megabyte and more are mapped on 2 MB boundaries and backed by huge pages
// where the kernel offers them on request, so a million-row range takes a
// few dozen page faults instead of tens of thousands (each fault cost more
// than the row's own text in a virtual machine). A block that lay
// anywhere left its first up to 2 MB to small pages, which was all of a
// 100,000-point range; so did a line index of under a megabyte taken from
// the heap, a hundred faults on the window's thread. A new block is faulted
// in on a helper thread while the range fills it.
#pragma once

#include <cstddef>
#include <new>

namespace quantiva {

// Blocks from HugeBlockBytes up are mapped whole huge pages at a time.
inline constexpr std::size_t HugeBlockBytes = std::size_t{1} << 18;

void* AllocateBlock(std::size_t Bytes);
// Bytes as given to AllocateBlock.
void FreeBlock(void* Block, std::size_t Bytes) noexcept;
// The blocks allocated so far are readied no further: the range that set
// them aside has ended, and what it did not write need not be resident.
void StopReadying();
// Gives back the memory of the whole huge pages of a block past its first Used
// bytes (a cancelled range's storage, readied but never written); they
// read as zeros if used later.
void ReleaseUnused(const void* Block, std::size_t Used, std::size_t Capacity);

template <class T>
struct THugePageAllocator {
    using value_type = T;

    THugePageAllocator() = default;
    template <class U>
    THugePageAllocator(const THugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t Count) {
        if (Count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocateBlock(Count * sizeof(T)));
    }
    void deallocate(T* Block, std::size_t Count) noexcept { FreeBlock(Block, Count * sizeof(T)); }

    template <class U>
    bool operator==(const THugePageAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace quantiva
