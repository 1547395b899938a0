// Fisher's F distribution with nu1 and nu2 degrees of freedom: the density
// as a product of powers over the beta function, the CDF as
// 1 - I_w(nu2/2, nu1/2) with w = nu2 / (nu1 x + nu2), and the quantile by
// inverting that relation with the beta solver.
#include <cfloat>
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
using numkern::LnGamma;
using numkern::NaN;
using numkern::Power;

namespace {

// The same density in logarithms, for the arguments where a factor of the
// product overflows or underflows the double range (large degrees of
// freedom, or x far out), which would leave Inf * 0 = NaN, Inf or 0 where
// the density has a moderate value.
double FPDFInLogs(double x, std::int32_t nu1, std::int32_t nu2) {
    if (numkern::IsInf(x)) return 0;
    const ext a = nu1 * 0.5L;
    const ext b = nu2 * 0.5L;
    const ext ratio = ext(nu1) / nu2;
    const ext lnBeta = ext(LnGamma(Stored(a))) + LnGamma(Stored(b)) -
                       LnGamma(Stored(a + b));
    const ext lnDensity = a * Ln(Stored(ratio)) + (a - 1) * Ln(x) -
                          (a + b) * std::log1p(ratio * x) - lnBeta;
    return Stored(numkern::Exp(Stored(lnDensity)));
}

bool NormalDouble(double v) { return v >= DBL_MIN && v <= DBL_MAX; }

}  // namespace

double FPDF(double x, std::int32_t nu1, std::int32_t nu2) {
    if (AnyNaN(x)) return NaN;
    if (nu1 < 1 || nu2 < 1) return NaN;
    if (x <= 0) return 0;
    const ext ratio = ext(nu1) / nu2;
    const double A = Stored(Power(Stored(ratio), nu1 * 0.5));
    const ext E = Power(x, (nu1 - 2) * 0.5) * A;
    const double Q = Stored(E / BetaFn(nu1 * 0.5, nu2 * 0.5));
    // The sum of two 32-bit degrees of freedom may exceed the 32-bit range.
    const double exponent = -(std::int64_t{nu1} + nu2) * 0.5;
    const ext density = Power(Stored(ratio * x + 1), exponent) * Q;
    if (NormalDouble(A) && NormalDouble(Q) && std::isfinite(density))
        return Stored(density);
    return FPDFInLogs(x, nu1, nu2);
}

double FCDF(double x, std::int32_t nu1, std::int32_t nu2) {
    if (AnyNaN(x)) return NaN;
    if (nu1 <= 0 || nu2 <= 0) return NaN;
    if (x <= 0) return 0;
    const double w = Stored(nu2 / (ext(nu1) * x + nu2));
    return Stored(1 - ext(BetaI(w, nu2 * 0.5, nu1 * 0.5)));
}

// A probability outside [0, 1] answers 0 here, not NaN.
double FCDFInv(double p, std::int32_t nu1, std::int32_t nu2) {
    if (AnyNaN(p)) return NaN;
    if (nu1 <= 0 || nu2 <= 0) return NaN;
    if (p <= 0) return 0;
    if (p >= 1) return p == 1 ? Inf : 0;
    const double y = BetaCDFInv(Stored(1 - ext(p)), nu2 * 0.5, nu1 * 0.5);
    return Stored((nu2 / ext(y) - nu2) / nu1);
}

}  // namespace distrium
