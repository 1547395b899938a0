// Normal distribution N(mu, sigma^2) and the log-normal law of exp(Y) for a
// normal Y. The CDFs are (erf(z / sqrt 2) + 1) / 2 and the inverses
// sqrt 2 sigma erfinv(2p - 1) + mu, through the library's Erf and ErfInv.
#include "distrium/internal.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpLimit;
using detail::ext;
using detail::Stored;
using numkern::Inf;
using numkern::Ln;
using numkern::NaN;
using numkern::Sqrt2;
using numkern::Sqrt2Pi;

namespace {

// (erf(t) + 1) / 2, stored, and never above 1.
double HalfErfPlusHalf(double t) {
    const double r = Stored((ext(Erf(t)) + 1) * 0.5L);
    return r > 1 ? 1.0 : r;
}

// sqrt 2 sigma erfinv(2p - 1) + mu for 0 < p < 1, in extended precision.
ext NormalQuantile(double p, double mu, double sigma) {
    return ext(ErfInv(Stored(2 * ext(p) - 1))) * (Sqrt2 * ext(sigma)) + mu;
}

}  // namespace

double NormalPDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    const double z = Stored((ext(x) - mu) / sigma);
    return Stored(ExpLimit(Stored(ext(z) * z * (-0.5L))) /
                               (Sqrt2Pi * ext(sigma)));
}

double NormalCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0) return NaN;
    const double z = Stored((ext(x) - mu) / sigma);
    return HalfErfPlusHalf(Stored(ext(z) * numkern::InvSqrt2));
}

double NormalCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (p < 0 || p > 1 || sigma <= 0) return NaN;
    if (p == 0) return -Inf;
    if (p == 1) return Inf;
    // ErfInv(0) = 0 makes p = 0.5 give mu exactly.
    return Stored(NormalQuantile(p, mu, sigma));
}

// A point at or below 0 is outside the domain, not a zero density.
double LogNormalPDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    const ext z = (Ln(x) - mu) / sigma;
    return Stored(ExpLimit(Stored(z * z * (-0.5L))) /
                               (ext(x) * sigma * Sqrt2Pi));
}

double LogNormalCDF(double x, double mu, double sigma) {
    if (AnyNaN(x, mu, sigma)) return NaN;
    if (sigma <= 0 || x <= 0) return NaN;
    return HalfErfPlusHalf(Stored((Ln(x) - mu) / (ext(sigma) * Sqrt2)));
}

double LogNormalCDFInv(double p, double mu, double sigma) {
    if (AnyNaN(p, mu, sigma)) return NaN;
    if (p > 1 || p < 0 || sigma <= 0) return NaN;
    if (p == 0) return 0;
    if (p == 1) return Inf;
    return Stored(ExpLimit(Stored(NormalQuantile(p, mu, sigma))));
}

}  // namespace distrium
