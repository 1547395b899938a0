// Closed-form location-scale laws on the whole real line: Cauchy, Laplace,
// logistic and log-Weibull (the Gumbel law of maxima). Each function is one
// formula, arranged so that no tail is formed as 1 minus something close to
// 1: the Cauchy CDF as an angle atan2(b, -(x - m)) / pi that is small in the
// lower tail, the quantiles through 1 / tan(pi p) near the ends, the
// complements through expm1 and log1p, exponents kept in extended
// precision. Upper tails are the same formulas mirrored.
#include <cmath>

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

constexpr ext Pi = 3.14159265358979323846264338327950288L;

// ---- Cauchy ----

// P(X <= m + d) for scale b: the angle at which the point is seen, small
// and exact in relative terms far below m.
ext CauchyLower(ext d, double b) { return std::atan2(b, Stored(-d)) / Pi; }

// The standard Cauchy quantile tan(pi (p - 1/2)) for 0 < p < 1, through
// -1 / tan(pi p) below 1/4 and 1 / tan(pi (1 - p)) above 3/4, where the
// angle itself would lose its relative accuracy next to pi/2.
ext CauchyQuantile(double p) {
    if (p < 0.25) return -1 / ext(std::tan(Stored(Pi * p)));
    if (p > 0.75) return 1 / ext(std::tan(Stored(Pi * (1 - ext(p)))));
    return std::tan(Stored(Pi * (ext(p) - 0.5L)));
}

// At p = 0 and 1 the answer is the tangent next to -pi/2 and pi/2: large
// but finite, not an infinity.
double CauchyEnd(double p, double m, double b) {
    return Stored(numkern::Tan(Stored((ext(p) - 0.5L) * numkern::Pi)) * b + m);
}

// ---- Laplace ----

// P(X <= m + d) for d <= 0: e^(d/b) / 2.
ext LaplaceLower(ext d, double b) { return 0.5L * ExpOf(d / b); }

// The standard Laplace quantile: ln(2p) below 1/2, -ln(2(1 - p)) above.
ext LaplaceQuantile(double p) {
    if (p < 0.5) return std::log(2 * p);
    return -std::log(Stored(2 * (1 - ext(p))));
}

// ---- Logistic ----

// P(X <= m + d) for d <= 0: e / (1 + e) with e = e^(d/b) at most 1.
ext LogisticLower(ext d, double b) {
    const ext e = ExpOf(d / b);
    return e / (1 + e);
}

// ln(p / (1 - p)): as log1p((2p - 1) / (1 - p)) near p = 1/2, where the
// quotient is close to 1 and its rounding would swamp the small logarithm.
ext Logit(double p) {
    const ext q = 1 - ext(p);
    if (p < 0.25 || p > 0.75) return std::log(Stored(p / q));
    return std::log1p(Stored((2 * ext(p) - 1) / q));
}

// ---- Log-Weibull ----

// e^(-z) for z = (x - a) / b, the inner exponential. Far below a it is
// large, and its relative error becomes the absolute error of the exponent
// of the CDF: there it is taken to extended accuracy.
ext LogWeibullInner(double x, double a, double b) {
    const ext w = -(ext(x) - a) / b;
    const ext E = ExpOf(w);
    return E > 2 ? detail::ExpFine(w) : E;
}

// P(X - m <= d) of a law symmetric about m from its lower tail: the tail
// itself on the left, its complement on the right, so that the smaller
// side is never formed as 1 minus a number near 1.
template <typename Lower>
double SymmetricCDF(ext d, double b, Lower LowerTail) {
    return Stored(d <= 0 ? LowerTail(d, b) : 1 - LowerTail(-d, b));
}

}  // namespace

// ---- Cauchy: density b / (pi (b^2 + (x - m)^2)) ------------------------------

double CauchyPDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const ext r = (ext(x) - m) / b;
    return Stored(1 / (Pi * b * (1 + r * r)));
}

double CauchyCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    return Stored(CauchyLower(ext(x) - m, b));
}

double CauchyCCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    return Stored(CauchyLower(m - ext(x), b));
}

double CauchyCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0 || p == 1) return CauchyEnd(p, m, b);
    return Stored(m + b * CauchyQuantile(p));
}

double CauchyCCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0 || p == 1) return CauchyEnd(1 - p, m, b);
    return Stored(m - b * CauchyQuantile(p));
}

// ---- Laplace: density e^(-|x - m| / b) / (2 b) ---------------------------------

double LaplacePDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    return Stored(ExpOf(-std::fabs(ext(x) - m) / b) * 0.5L / b);
}

double LaplaceCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const ext d = ext(x) - m;
    return SymmetricCDF(d, b, LaplaceLower);
}

double LaplaceCCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const ext d = m - ext(x);
    return SymmetricCDF(d, b, LaplaceLower);
}

// ln(0) = -Inf gives the infinite ends at p = 0 and p = 1.
double LaplaceCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0.5) return m;
    return Stored(m + b * LaplaceQuantile(p));
}

double LaplaceCCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0.5) return m;
    return Stored(m - b * LaplaceQuantile(p));
}

// ---- Logistic: CDF 1 / (1 + e^(-(x - m) / b)), any location m -------------------

double LogisticPDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    // Symmetric in x - m; e = e^(-|x - m| / b) <= 1 cannot overflow.
    const ext e = ExpOf(-std::fabs(ext(x) - m) / b);
    return Stored(e / ((1 + e) * (1 + e) * b));
}

double LogisticCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const ext d = ext(x) - m;
    return SymmetricCDF(d, b, LogisticLower);
}

double LogisticCCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const ext d = m - ext(x);
    return SymmetricCDF(d, b, LogisticLower);
}

// p outside [0, 1] has no quantile.
double LogisticCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 1) return Inf;
    if (p == 0) return -Inf;
    return Stored(m + b * Logit(p));
}

double LogisticCCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || OutsideUnit(p)) return NaN;
    if (p == 1) return -Inf;
    if (p == 0) return Inf;
    return Stored(m - b * Logit(p));
}

// ---- Log-Weibull (Gumbel): CDF exp(-exp(-(x - a) / b)), any b but 0 -------------
// A negative b turns the CDF into a decreasing function and the PDF, its
// derivative, negative; the catalogue accepts it.

double LogWeibullPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (b == 0) return NaN;
    const ext E = LogWeibullInner(x, a, b);
    // Once e^(-z) overflows the density is 0; E e^(-E) would be Inf * 0.
    if (std::isinf(E)) return 0;
    return Stored(E * ExpOf(-E) / b);
}

double LogWeibullCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (b == 0) return NaN;
    return Stored(ExpOf(-LogWeibullInner(x, a, b)));
}

double LogWeibullCCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (b == 0) return NaN;
    return Stored(-std::expm1(Stored(-LogWeibullInner(x, a, b))));
}

// For b > 0 the ends are -Inf at p = 0 and +Inf at p = 1, through ln(0).
double LogWeibullCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (b == 0 || OutsideUnit(p)) return NaN;
    // -ln p as -log1p(p - 1) near 1, where p - 1 is exact.
    const double minusLnP = p > 0.5 ? -std::log1p(Stored(ext(p) - 1)) : -std::log(p);
    return Stored(a - b * ext(std::log(minusLnP)));
}

double LogWeibullCCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (b == 0 || OutsideUnit(p)) return NaN;
    const double minusLnQ = p < 0.5 ? -std::log1p(-p) : -std::log(Stored(1 - ext(p)));
    return Stored(a - b * ext(std::log(minusLnQ)));
}

}  // namespace distrium
