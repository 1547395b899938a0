// Closed-form laws on a half-line: Pareto (shape a, lower end b), Rayleigh
// (scale b) and Weibull (factor a of the exponent, shape b, CDF
// 1 - e^(-a x^b)). Each is a survival function e^(-H) with H in closed form
// (a ln(x / b), x^2 / (2 b^2), a x^b): the upper tail is e^(-H) with H in
// extended precision, the lower one -expm1(-H), and the quantiles solve
// H = -log1p(-p) or H = -ln p. None is formed as 1 minus something close to 1.
#include <cmath>
#include <limits>

#include "distrium/distrium.h"
#include "distrium/extended_exp.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpOf;
using detail::ext;
using detail::OutsideUnit;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

// Past this size of an exponent, its double logarithms are exchanged for
// the x87 unit's, whose 11 extra bits keep the exponential's result within
// a few ulps: e^H moves by H ulps for each ulp of relative error in H.
constexpr ext FineBound = 2;

// -ln(1 - p) and -ln p, the cumulative hazard at the lower and the upper
// quantile, with exact arguments on both sides of 1/2; Fine takes the
// logarithm in extended precision.
ext HazardOfLower(double p, bool Fine) {
    if (p < 0.5) return Fine ? -std::log1p(-ext(p)) : -std::log1p(-p);
    const double q = Stored(1 - ext(p));
    return Fine ? -numkern::Ln(q) : -std::log(q);
}
ext HazardOfUpper(double p, bool Fine) {
    if (p > 0.5) return Fine ? -std::log1p(ext(p) - 1) : -std::log1p(Stored(ext(p) - 1));
    return Fine ? -numkern::Ln(p) : -std::log(p);
}

// 1 - e^(-H) and e^(-H).
double LowerOfHazard(ext H) { return Stored(-std::expm1(Stored(-H))); }
double UpperOfHazard(ext H) { return Stored(ExpOf(-H)); }

// ---- Pareto ----

// The hazard a ln(x / b) for x >= b; up to x = 2b through log1p((x - b) / b),
// where x - b is exact and the quotient near 1 would lose the small
// logarithm.
ext ParetoHazard(double x, double a, double b) {
    const double lnRatio =
        x <= 2 * ext(b) ? std::log1p(Stored((ext(x) - b) / b)) : std::log(Stored(x / ext(b)));
    const ext H = a * ext(lnRatio);
    if (H <= FineBound) return H;
    return a * (numkern::Ln(x) - numkern::Ln(b));
}

// b e^(H / a), the Pareto point of cumulative hazard H.
template <typename Hazard>
ext ParetoPoint(double p, double a, double b, Hazard hazard) {
    const ext E = hazard(p, false) / a;
    return b * ExpOf(E > FineBound ? hazard(p, true) / a : E);
}

// ---- Rayleigh ----

ext RayleighHazard(double x, double b) {
    const ext r = ext(x) / b;
    return r * r * 0.5L;
}

// ---- Weibull ----

// a x^b; in the far upper tail, and where x^b leaves the double range, the
// x87 power.
ext WeibullHazard(double x, double a, double b) {
    const double power = std::pow(x, b);
    const ext H = a * ext(power);
    if (H <= FineBound && power >= std::numeric_limits<double>::min()) return H;
    return a * numkern::Power(x, b);
}

// (H / a)^(1/b), the Weibull point of cumulative hazard H, as
// e^(ln(H / a) / b); for a large exponent the logarithms are the x87's.
ext WeibullPoint(ext H, double a, double b) {
    const ext E = std::log(Stored(H / a)) / b;
    if (std::fabs(E) <= FineBound) return ExpOf(E);
    return ExpOf((numkern::Ln(Stored(H)) - numkern::Ln(a)) / b);
}

}  // namespace

// ---- Pareto: density a b^a / x^(a+1) for x >= b -------------------------------
// Neither a nor b is tested. Below b the law has density 0 and probability 0.

double ParetoPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return 0;
    return Stored(a / ext(x) * ExpOf(-ParetoHazard(x, a, b)));
}

double ParetoCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return 0;
    return LowerOfHazard(ParetoHazard(x, a, b));
}

double ParetoCCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return 1;
    return UpperOfHazard(ParetoHazard(x, a, b));
}

double ParetoCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0) return NaN;
    if (p == 1) return Inf;
    if (p > 1) return NaN;
    return Stored(ParetoPoint(p, a, b, HazardOfLower));
}

double ParetoCCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (OutsideUnit(p)) return NaN;
    if (p == 0) return Inf;
    return Stored(ParetoPoint(p, a, b, HazardOfUpper));
}

// ---- Rayleigh: density (x / b^2) e^(-x^2 / (2 b^2)) -----------------------------

double RayleighPDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    const ext e = ExpOf(-RayleighHazard(x, b));
    // Once e is 0 so is the density, even where x / b^2 is infinite.
    return e == 0 ? 0.0 : Stored(ext(x) / b / b * e);
}

double RayleighCDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    return LowerOfHazard(RayleighHazard(x, b));
}

double RayleighCCDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    return UpperOfHazard(RayleighHazard(x, b));
}

double RayleighCDFInv(double p, double b) {
    if (AnyNaN(p, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 1) return Inf;
    // The plain formula sqrt(-2 ln(1 - p)) b gives sqrt(-0) b here, a zero
    // with the sign bit set; kept so.
    if (p == 0) return -0.0;
    return Stored(std::sqrt(2 * HazardOfLower(p, false)) * b);
}

double RayleighCCDFInv(double p, double b) {
    if (AnyNaN(p, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0) return Inf;
    return Stored(std::sqrt(2 * HazardOfUpper(p, false)) * b);
}

// ---- Weibull: density a b x^(b-1) e^(-a x^b) --------------------------------------

double WeibullPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x > 0) {
        // a b x^(b-1) = b H / x; e^(-H) decides once H has overflowed.
        const ext H = WeibullHazard(x, a, b);
        const ext e = ExpOf(-H);
        return e == 0 ? 0.0 : Stored(b * H / x * e);
    }
    if (x == 0) {
        if (b < 1) return Inf;
        return b == 1 ? a : 0.0;
    }
    return 0;
}

double WeibullCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x <= 0) return 0;
    return LowerOfHazard(WeibullHazard(x, a, b));
}

double WeibullCCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x <= 0) return 1;
    return UpperOfHazard(WeibullHazard(x, a, b));
}

double WeibullCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a <= 0 || b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0) return 0;
    if (p == 1) return Inf;
    return Stored(WeibullPoint(HazardOfLower(p, false), a, b));
}

double WeibullCCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a <= 0 || b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0) return Inf;
    if (p == 1) return 0;
    return Stored(WeibullPoint(HazardOfUpper(p, false), a, b));
}

}  // namespace distrium
