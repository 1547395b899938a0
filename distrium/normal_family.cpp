// Normal distribution N(mu, sigma^2) and the log-normal law of exp(Y) for a
// normal Y. The CDFs are (erf(z / sqrt 2) + 1) / 2 and the inverses
// sqrt 2 sigma erfinv(2p - 1) + mu, through the library's Erf and ErfInv.
#include "distrium/continuous_common.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpLimit;
using ext = long double;
using numkern::Inf;
using numkern::Ln;
using numkern::NaN;
using numkern::Sqrt2;
using numkern::Sqrt2Pi;

namespace {

// (erf(t) + 1) / 2, stored, and never above 1.
double HalfErfPlusHalf(double t) {
    const double r = static_cast<double>((ext(Erf(t)) + 1) * 0.5L);
    return r > 1 ? 1.0 : r;
}

// sqrt 2 sigma erfinv(2p - 1) + mu for 0 < p < 1, in extended precision.
ext NormalQuantile(double p, double mu, double sigma) {
    return ext(ErfInv(static_cast<double>(2 * ext(p) - 1))) * (Sqrt2 * ext(sigma)) + mu;
}

}  // namespace

double NormalPDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    const double z = static_cast<double>((ext(x) - mu) / sigma);
    return static_cast<double>(ExpLimit(static_cast<double>(ext(z) * z * (-0.5L))) /
                               (Sqrt2Pi * ext(sigma)));
}

double NormalCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    const double z = static_cast<double>((ext(x) - mu) / sigma);
    return HalfErfPlusHalf(static_cast<double>(ext(z) * numkern::InvSqrt2));
}

double NormalCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (p < 0 || p > 1 || sigma <= 0) return NaN;
    if (p == 0) return -Inf;
    if (p == 1) return Inf;
    // ErfInv(0) = 0 makes p = 0.5 give mu exactly.
    return static_cast<double>(NormalQuantile(p, mu, sigma));
}

// A point at or below 0 is outside the domain, not a zero density.
double LogNormalPDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    const ext z = (Ln(x) - mu) / sigma;
    return static_cast<double>(ExpLimit(static_cast<double>(z * z * (-0.5L))) /
                               (ext(x) * sigma * Sqrt2Pi));
}

double LogNormalCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    return HalfErfPlusHalf(static_cast<double>((Ln(x) - mu) / (ext(sigma) * Sqrt2)));
}

double LogNormalCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (p > 1 || p < 0 || sigma <= 0) return NaN;
    if (p == 0) return 0;
    if (p == 1) return Inf;
    return static_cast<double>(ExpLimit(static_cast<double>(NormalQuantile(p, mu, sigma))));
}

}  // namespace distrium
