// Geometric distribution: the number of failures before the first success,
// success probability p. Mass p (1-p)^k, CDF 1 - (1-p)^(k+1) at k = x
// rounded to nearest (ties to even), and a closed-form quantile that counts
// trials up to and including the first success.
#include <cmath>
#include <cstdint>

#include "distrium/internal.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::Inf;
using numkern::Ln;
using numkern::NaN;

namespace {

// (1-p)^k for a whole k >= 0: IntPower within the 32-bit range, Power
// beyond it (where the 32-bit exponent cannot hold k), and the limit at
// k = +Inf.
ext FailurePower(double p, double k) {
    const double q = Stored(1 - ext(p));
    if (k <= INT32_MAX) return numkern::IntPower(q, static_cast<std::int32_t>(k));
    if (numkern::IsInf(k)) return q < 1 ? 0 : 1;
    return numkern::Power(q, k);
}

}  // namespace

// p = 1 is accepted and puts all mass at 0.
double GeometricPDF(double x, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p <= 0 || p > 1) return NaN;
    const double k = std::nearbyint(x);
    if (k != x) return 0;
    if (x < 0) return 0;
    return Stored(FailurePower(p, k) * p);
}

// A negative point is outside the domain here. With p = 1 the formula gives
// 1 at every x >= 0, as the mass sits at 0.
double GeometricCDF(double x, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (x < 0 || p <= 0 || p > 1) return NaN;
    const double k = std::nearbyint(x);
    return Stored(1 - FailurePower(p, k + 1));
}

// With p = 0 a success never comes: the quantile is +Inf. The count is
// rounded up in floating point, since for a small p it can exceed the
// 32-bit range of the kernel's Ceil; adding 0 turns a count of -0 into 0.
double GeometricCDFInv(double prob, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (prob < 0 || prob > 1 || p < 0 || p > 1) return NaN;
    if (prob == 1) return Inf;
    if (prob == 0) return 0;
    if (p == 0) return Inf;
    const double L = Stored(Ln(Stored(1 - ext(prob))));
    return std::ceil(Stored(L / Ln(Stored(1 - ext(p))))) + 0.0;
}

}  // namespace distrium
