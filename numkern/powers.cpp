// Integral powers by repeated squaring and real powers through the
// logarithm. Power takes no sign into account: a negative base gives NaN even
// for an integral exponent; callers needing that use IntPower.
#include <cstdint>

#include "numkern/numkern.h"
#include "numkern/x87.h"

namespace numkern {

namespace {

// An unordered comparison counts as equal, as the x87 flags test it.
bool EqualOrUnordered(double A, double B) { return !(A < B || A > B); }

}  // namespace

long double IntPower(double Base, std::int32_t Exponent) {
    if (Exponent == 0) return 1.0L;
    // |INT32_MIN| does not fit an int32: take the magnitude unsigned.
    std::uint32_t m = Exponent < 0 ? 0u - static_cast<std::uint32_t>(Exponent)
                                   : static_cast<std::uint32_t>(Exponent);
    long double r = 1.0L;
    long double b = Base;
    for (;;) {
        const bool bit = (m & 1u) != 0;
        m >>= 1;
        if (bit) {
            r *= b;
            if (m == 0) break;
        }
        b *= b;
    }
    return Exponent < 0 ? 1.0L / r : r;
}

long double Power(double Base, double Exponent) {
    if (EqualOrUnordered(Exponent, 0.0)) return 1.0L;
    if (EqualOrUnordered(Base, 0.0)) return Exponent < 0 ? static_cast<long double>(Inf) : 0.0L;
    return x87::Pow2(Exponent * Ln(Base) * x87::Log2E());
}

}  // namespace numkern
