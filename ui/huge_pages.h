// Large buffers that a long range fills from start to end: backed by huge
// pages where the kernel offers them on request, a million-row range
// takes a few dozen page faults instead of tens of thousands (each fault
// cost more than the row's own text in a virtual machine).
#pragma once

#include <cstddef>

namespace quantiva {

// A hint for the whole 2 MB pages inside Data .. Data + Bytes; nothing
// happens where the system has no such request.
void AdviseHugePages(const void* Data, std::size_t Bytes);

}  // namespace quantiva
