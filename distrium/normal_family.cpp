// Normal distribution N(mu, sigma^2) and the log-normal law of exp(Y) for a
// normal Y. The standardised point z = (x - mu) / sigma (with ln x for the
// log-normal) is kept in extended precision and passed to Phi, which takes
// the far tails through Cody's erfc rather than 1 - erf; the upper tails are
// Phi(-z). The quantiles are Wichura's AS 241 (std_normal.h), the upper
// ones by the symmetry z(1 - p) = -z(p), and the log-normal's exponential
// keeps its extended exponent.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/extended_exp.h"
#include "distrium/internal.h"
#include "distrium/std_normal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpOf;
using detail::ext;
using detail::OutsideUnit;
using detail::StdNormalCDF;
using detail::StdNormalQuantile;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

constexpr ext InvSqrt2Pi = 0.398942280401432677939946059934381868L;

ext Standardised(double x, double mu, double sigma) { return (ext(x) - mu) / sigma; }

// (ln x - mu) / sigma. The split logarithm's absolute error, about 4e-17,
// costs |z| times that over sigma in Phi's relative error; where that could
// exceed an ulp the x87 logarithm takes over.
ext LogStandardised(double x, double mu, double sigma) {
    const ext z = (detail::LnSplit(x) - mu) / sigma;
    if (std::fmax(1.0, std::fabs(Stored(z))) <= 2 * sigma) return z;
    return (numkern::Ln(x) - mu) / sigma;
}

// e^(-z^2/2) / sqrt(2 pi), the standard density.
ext StdNormalPDF(ext z) { return ExpOf(-z * z * 0.5L) * InvSqrt2Pi; }

}  // namespace

double NormalPDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    return Stored(StdNormalPDF(Standardised(x, mu, sigma)) / sigma);
}

double NormalCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    return Stored(StdNormalCDF(Standardised(x, mu, sigma)));
}

double NormalCCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    return Stored(StdNormalCDF(-Standardised(x, mu, sigma)));
}

double NormalCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (OutsideUnit(p) || sigma <= 0) return NaN;
    if (p == 0) return -Inf;
    if (p == 1) return Inf;
    // The quantile of p = 0.5 is 0, which gives mu exactly.
    return Stored(StdNormalQuantile(p) * sigma + mu);
}

double NormalCCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (OutsideUnit(p) || sigma <= 0) return NaN;
    if (p == 0) return Inf;
    if (p == 1) return -Inf;
    return Stored(mu - StdNormalQuantile(p) * sigma);
}

// A point at or below 0 is outside the domain, not a zero density.
double LogNormalPDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    return Stored(StdNormalPDF(LogStandardised(x, mu, sigma)) / sigma / x);
}

double LogNormalCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    return Stored(StdNormalCDF(LogStandardised(x, mu, sigma)));
}

double LogNormalCCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    return Stored(StdNormalCDF(-LogStandardised(x, mu, sigma)));
}

double LogNormalCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (OutsideUnit(p) || sigma <= 0) return NaN;
    if (p == 0) return 0;
    if (p == 1) return Inf;
    return Stored(ExpOf(StdNormalQuantile(p) * sigma + mu));
}

double LogNormalCCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (OutsideUnit(p) || sigma <= 0) return NaN;
    if (p == 0) return Inf;
    if (p == 1) return 0;
    return Stored(ExpOf(mu - StdNormalQuantile(p) * sigma));
}

}  // namespace distrium
