// The kernel's two variable constants. NaN is stored with its sign bit set
// and Inf positive; KernelStartup flips any that is not >= 0, which always
// clears NaN's sign bit (a NaN never compares >= 0).
#include <bit>

#include "numkern/numkern.h"

namespace numkern {

double NaN = std::bit_cast<double>(0xFFF8000000000000ULL);
double Inf = std::bit_cast<double>(0x7FF0000000000000ULL);

}  // namespace numkern
