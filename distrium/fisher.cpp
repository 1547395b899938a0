// Fisher's F distribution with nu1 and nu2 degrees of freedom, through the
// beta law of u = nu1 x / (nu1 x + nu2), whose complement nu2 / (nu1 x + nu2)
// is formed on its own: the density as the incomplete beta prefix
// u^(nu1/2) (1 - u)^(nu2/2) / B(nu1/2, nu2/2) over x, the CDF and its
// complement as the two tails of I_u(nu1/2, nu2/2), and the quantiles as
// nu2 u / (nu1 (1 - u)) from the inverse of that function.
#include <cmath>
#include <cstdint>

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

detail::IncBetaKernel Kernel(std::int32_t nu1, std::int32_t nu2) {
    return detail::IncBetaKernel(0.5 * nu1, 0.5 * nu2);
}

// u and its complement for 0 < x < Inf.
detail::BetaPoint BetaArgument(double x, std::int32_t nu1, std::int32_t nu2) {
    const ext scaled = ext(nu1) * x;
    return {scaled / (scaled + nu2), nu2 / (scaled + nu2)};
}

double FTail(double x, std::int32_t nu1, std::int32_t nu2, bool Upper) {
    if (AnyNaN(x)) return NaN;
    if (nu1 <= 0 || nu2 <= 0) return NaN;
    if (x <= 0) return Upper ? 1 : 0;
    if (numkern::IsInf(x)) return Upper ? 0 : 1;
    const detail::BetaPoint u = BetaArgument(x, nu1, nu2);
    return Stored(Kernel(nu1, nu2).Tail(u.x, u.y, Upper));
}

// The x with lower tail p and upper tail q, both in (0, 1).
double FQuantile(ext p, ext q, std::int32_t nu1, std::int32_t nu2) {
    const detail::BetaPoint u = detail::IncBetaInv(p, q, 0.5 * nu1, 0.5 * nu2);
    return Stored(nu2 * u.x / (ext(nu1) * u.y));
}

}  // namespace

double FPDF(double x, std::int32_t nu1, std::int32_t nu2) {
    if (AnyNaN(x)) return NaN;
    if (nu1 < 1 || nu2 < 1) return NaN;
    if (x <= 0 || numkern::IsInf(x)) return 0;
    const detail::BetaPoint u = BetaArgument(x, nu1, nu2);
    return Stored(Kernel(nu1, nu2).Prefix(u.x, u.y) / x);
}

double FCDF(double x, std::int32_t nu1, std::int32_t nu2) { return FTail(x, nu1, nu2, false); }

double FCCDF(double x, std::int32_t nu1, std::int32_t nu2) { return FTail(x, nu1, nu2, true); }

// A probability outside [0, 1] answers 0 here, not NaN.
double FCDFInv(double p, std::int32_t nu1, std::int32_t nu2) {
    if (AnyNaN(p)) return NaN;
    if (nu1 <= 0 || nu2 <= 0) return NaN;
    if (p <= 0) return 0;
    if (p >= 1) return p == 1 ? Inf : 0;
    return FQuantile(p, 1 - ext(p), nu1, nu2);
}

// The mirror of FCDFInv: p = 0 is +Inf, p = 1 is 0, and outside [0, 1] 0.
double FCCDFInv(double p, std::int32_t nu1, std::int32_t nu2) {
    if (AnyNaN(p)) return NaN;
    if (nu1 <= 0 || nu2 <= 0) return NaN;
    if (p <= 0) return p == 0 ? Inf : 0;
    if (p >= 1) return 0;
    return FQuantile(1 - ext(p), p, nu1, nu2);
}

}  // namespace distrium
