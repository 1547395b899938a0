// Three laws of statistical physics. Maxwell with scale a: density
// sqrt(2/pi) x^2 e^(-x^2/(2 a^2)) / a^3, whose CDF and inverse are the gamma
// law of shape 3/2 in t = x^2 / (2 a^2). Bose-Einstein and Fermi-Dirac:
// x^s / (e^(x-mu) -/+ 1), unnormalised, with no CDF and no inverse; they
// test nothing and let IEEE arithmetic decide.
#include <cmath>

#include "distrium/internal.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpLimit;
using detail::ExpTimes;
using detail::ext;
using detail::Stored;
using numkern::NaN;

namespace {

// t = (x / a)^2 / 2, stored: the gamma variable of the Maxwell law.
double MaxwellGammaVariable(double x, double a) {
    const ext r = ext(x) / a;
    return Stored(r * r * 0.5L);
}

}  // namespace

double MaxwellPDF(double x, double a) {
    if (AnyNaN(x, a)) return NaN;
    if (x < 0 || a <= 0) return NaN;
    // x^2 / a^3 = 2t / a, so the density is sqrt(2/pi) 2t e^(-t) / a.
    const double t = MaxwellGammaVariable(x, a);
    const ext factor = std::sqrt(4 * ext(numkern::InvTwoPi)) * (2 * ext(t)) / a;
    return Stored(ExpTimes(factor, -t));
}

double MaxwellCDF(double x, double a) {
    if (AnyNaN(x, a)) return NaN;
    if (x < 0 || a <= 0) return NaN;
    return GammaCDF(MaxwellGammaVariable(x, a), 1.5, 1.0);
}

double MaxwellCDFInv(double p, double a) {
    if (AnyNaN(p, a)) return NaN;
    if (p > 1 || p < 0 || a <= 0) return NaN;
    // "Failed to converge!" from the gamma inverse passes on to the caller.
    const double g = GammaCDFInv(p, 1.5, 1.0);
    return Stored(std::sqrt(ext(g) * 2) * a);
}

double BoseEinsteinPDF(double x, double mu, double s) {
    if (AnyNaN(x, mu, s)) return NaN;
    // At x = mu the denominator is +0 and the value +Inf.
    const ext D = ExpLimit(Stored(ext(x) - mu)) - 1;
    return Stored(numkern::Power(x, s) / D);
}

double FermiDiracPDF(double x, double mu, double s) {
    if (AnyNaN(x, mu, s)) return NaN;
    const ext D = ExpLimit(Stored(ext(x) - mu)) + 1;
    return Stored(numkern::Power(x, s) / D);
}

}  // namespace distrium
