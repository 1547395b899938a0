// Student's t distribution with nu degrees of freedom (a real nu >= 1, used
// unrounded): the density from the log-gamma function, the CDF through the
// incomplete beta function I_t(nu/2, 1/2) with t = nu / (x^2 + nu), and the
// quantile by inverting that relation with the beta solver. nu = 1 is the
// Cauchy law, computed in closed form with the arctangent and tangent.
#include <cmath>

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
using numkern::Pi;

// Beyond |x| of about 1e154 the term x^2 / nu + 1 overflows the double that
// Ln receives and the log-density becomes -Inf; the density there is below
// the smallest normal double, so it answers the limit 0 instead of the
// kernel's Exp(-Inf) = NaN.
double StudentPDF(double x, double nu) {
    if (AnyNaN(x, nu)) return NaN;
    if (nu < 1) return NaN;
    const double h = Stored((ext(nu) + 1) * 0.5L);
    const double g = Stored(0.5L * nu);
    const ext norm = ext(LnGamma(h)) - LnGamma(g) - Ln(Stored(ext(nu) * Pi)) * 0.5L;
    const ext tail = Ln(Stored(ext(x) * x / nu + 1)) * h;
    return Stored(detail::ExpLimit(Stored(norm - tail)));
}

double StudentCDF(double x, double nu) {
    if (AnyNaN(x, nu)) return NaN;
    if (nu < 1) return NaN;
    if (nu == 1) return Stored(numkern::ArcTan(x) / Pi + 0.5L);
    if (x == 0) return 0.5;
    const double t = Stored(nu / (ext(x) * x + nu));
    const double u = Stored(1 - ext(BetaI(t, Stored(0.5L * nu), 0.5)));
    const ext half = (1 - ext(u)) * 0.5L;
    return Stored(x > 0 ? 1 - half : half);
}

// Both tails go through the upper tail probability 2 min(p, 1 - p) of |T|.
// nu = 1 has no special case at p = 0 or 1: the tangent next to -pi/2 or
// pi/2 is large but finite.
double StudentCDFInv(double p, double nu) {
    if (AnyNaN(p, nu)) return NaN;
    if (nu < 1 || p > 1 || p < 0) return NaN;
    if (nu == 1) return Stored(numkern::Tan(Stored((ext(p) - 0.5L) * Pi)));
    if (p == 0) return -Inf;
    if (p == 1) return Inf;
    const double tail = Stored(p >= 0.5 ? 2 * (1 - ext(p)) : 2 * ext(p));
    const double y = BetaCDFInv(tail, Stored(0.5L * nu), 0.5);
    const double t = Stored(std::sqrt(nu / ext(y) - nu));
    return p >= 0.5 ? t : -t;
}

}  // namespace distrium
