// Beta distribution on [0, 1] with shapes a and b: the density as the
// incomplete beta prefix x^a (1 - x)^b / B(a, b) over x (1 - x), in Loader's
// saddle-point form; the CDF and its complement as the two tails of the
// regularised incomplete beta function; the quantiles by its inverse, which
// solves in the smaller tail. The Student and F laws are built on the same
// functions.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/incomplete_beta.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

bool BadShapes(double a, double b) {
    return !(a > 0) || !(b > 0) || numkern::IsInf(a) || numkern::IsInf(b);
}

// The x with lower tail p and upper tail q = 1 - p, both in (0, 1).
double BetaQuantile(ext p, ext q, double a, double b) {
    return Stored(detail::IncBetaInv(p, q, a, b).x);
}

}  // namespace

// The ends of [0, 1] belong to the support: there the density is +Inf for
// an exponent below 1, 0 above, and 1 / B(a, b) for an exponent of exactly
// 1 (b at x = 0 when a = 1, a at x = 1 when b = 1).
double BetaPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (BadShapes(a, b) || x < 0 || x > 1) return NaN;
    if ((x == 0 && a < 1) || (x == 1 && b < 1)) return Inf;
    if (x == 0) return a == 1 ? b : 0.0;
    if (x == 1) return b == 1 ? a : 0.0;
    const ext y = 1 - ext(x);
    return Stored(detail::IncBetaKernel(a, b).Prefix(x, y) / (x * y));
}

double BetaCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (BadShapes(a, b)) return NaN;
    if (x >= 1) return 1;
    if (x <= 0) return 0;
    return Stored(detail::IncBetaKernel(a, b).Tail(x, 1 - ext(x), false));
}

double BetaCCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (BadShapes(a, b)) return NaN;
    if (x >= 1) return 0;
    if (x <= 0) return 1;
    return Stored(detail::IncBetaKernel(a, b).Tail(x, 1 - ext(x), true));
}

double BetaCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0 || p > 1 || BadShapes(a, b)) return NaN;
    if (p == 0 || p == 1) return p;
    return BetaQuantile(p, 1 - ext(p), a, b);
}

double BetaCCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0 || p > 1 || BadShapes(a, b)) return NaN;
    if (p == 0 || p == 1) return 1 - p;
    return BetaQuantile(1 - ext(p), p, a, b);
}

}  // namespace distrium
