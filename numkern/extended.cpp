// The natural logarithm and exponential of an extended argument, by the same
// x87 steps as Ln and Exp, for callers that carry a value in extended
// precision and must not round it to double first (the exponent of a tail
// probability near 700 would lose three decimal digits that way). Unlike Exp,
// ExpExt keeps the limits 0 and +Inf at the infinities.
#include "numkern/numkern.h"
#include "numkern/x87.h"

namespace numkern {

long double LnExt(long double X) { return x87::YLog2X(x87::Ln2(), X); }

long double ExpExt(long double X) {
    // Far beyond the extended range the power of two is 0 or +Inf anyway;
    // the test keeps Inf - Inf out of Pow2.
    constexpr long double Beyond = 20000;
    if (X < -Beyond) return 0;
    if (X > Beyond) return static_cast<long double>(Inf);
    return x87::Pow2(X * x87::Log2E());
}

}  // namespace numkern
