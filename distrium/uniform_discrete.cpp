// Discrete uniform distribution on 1..N: mass 1/N at each whole point, CDF
// Floor(x) / N, quantile Ceil(N p).
#include <cmath>
#include <cstdint>

#include "distrium/internal.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::NaN;

// A point is whole when it equals its rounding to nearest; every double
// beyond the 64-bit range is whole, and lies outside 1..N anyway.
double UniformDPDF(double x, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (N < 1) return NaN;
    if (std::nearbyint(x) != x || x < 1 || x > N) return 0;
    return Stored(1.0L / N);
}

// The kernel's Floor answers -2147483648 beyond the 32-bit range, which
// sends such points to the 0 or 1 branch as their side of 1..N says.
double UniformDCDF(double x, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (N < 1) return NaN;
    const std::int32_t k = numkern::Floor(x);
    if (1 <= k && k <= N) return Stored(ext(k) / N);
    return x > N ? 1 : 0;
}

// p = 0 is outside the domain here.
double UniformDCDFInv(double p, std::int32_t N) {
    if (AnyNaN(p)) return NaN;
    if (N < 1 || p <= 0 || p > 1) return NaN;
    return numkern::Ceil(Stored(ext(N) * p));
}

}  // namespace distrium
