// Gamma distribution (shape a, scale b) and the two members of its family
// that the catalogue lists on their own: chi-square with nu degrees of
// freedom (shape nu/2, scale 2) and the exponential with scale lambda.
// Density and both tails come from the incomplete gamma ratios at the
// extended point x / b (incomplete_gamma.cpp), the quantiles from their
// inverse (incomplete_gamma_inverse.cpp); the exponential's closed forms go
// through expm1 and log1p where 1 - e^-t or ln(1 - p) would cancel.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/incomplete_gamma.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::GammaShape;
using detail::OutsideUnit;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

// A shape or scale the law cannot have (infinite ones included).
bool BadGammaParameters(double a, double b) {
    return !(a > 0 && b > 0) || numkern::IsInf(a) || numkern::IsInf(b);
}

// P(X <= x) or P(X > x) at 0 < x < +Inf.
double GammaTail(double x, double a, double b, bool Upper) {
    const detail::GammaTails t = GammaShape(a).Tails(ext(x) / b);
    return Stored(Upper ? t.Q : t.P);
}

double GammaQuantile(double p, double a, double b, bool Upper) {
    return Stored(detail::GammaTailInverse(GammaShape(a), p, Upper) * b);
}

// e^-t for t >= 0: the double exponential at t rounded to double, moved to
// t by its derivative; a few times faster than the extended one and within
// an ulp of it.
ext ExpOfMinus(ext t) {
    const double td = Stored(t);
    const ext e = std::exp(-td);
    // Beyond the double range e is 0 and the rounding t - td may be infinite.
    return e == 0 ? 0 : e * (1 - (t - td));
}

}  // namespace

double GammaPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    // The pole at 0 answers before the parameter tests.
    if (x == 0 && a < 1) return Inf;
    if (BadGammaParameters(a, b)) return NaN;
    if (x < 0 || numkern::IsInf(x)) return 0;
    if (x == 0) return a == 1 ? Stored(1.0L / b) : 0.0;
    // a x^a e^-x / (Gamma(a + 1) x) at the standard point x / b.
    const ext t = ext(x) / b;
    return Stored(a * GammaShape(a).Weight(t) / t / b);
}

double GammaCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (BadGammaParameters(a, b)) return NaN;
    if (x <= 0) return 0;
    if (numkern::IsInf(x)) return 1;
    return GammaTail(x, a, b, false);
}

double GammaCCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (BadGammaParameters(a, b)) return NaN;
    if (x <= 0) return 1;
    if (numkern::IsInf(x)) return 0;
    return GammaTail(x, a, b, true);
}

double GammaCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (OutsideUnit(p) || BadGammaParameters(a, b)) return NaN;
    if (p == 1) return Inf;
    if (p == 0) return 0;
    return GammaQuantile(p, a, b, false);
}

double GammaCCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (OutsideUnit(p) || BadGammaParameters(a, b)) return NaN;
    if (p == 0) return Inf;
    if (p == 1) return 0;
    return GammaQuantile(p, a, b, true);
}

double ChiSquarePDF(double x, std::int32_t nu) {
    if (AnyNaN(x)) return NaN;
    if (nu <= 0) return NaN;
    return GammaPDF(x, nu * 0.5, 2);
}

double ChiSquareCDF(double x, std::int32_t nu) {
    if (AnyNaN(x)) return NaN;
    if (nu <= 0) return NaN;
    return GammaCDF(x, nu * 0.5, 2);
}

double ChiSquareCCDF(double x, std::int32_t nu) {
    if (AnyNaN(x)) return NaN;
    if (nu <= 0) return NaN;
    return GammaCCDF(x, nu * 0.5, 2);
}

double ChiSquareCDFInv(double p, std::int32_t nu) {
    if (AnyNaN(p)) return NaN;
    if (nu <= 0) return NaN;
    if (p == 0) return 0;
    // A p outside [0, 1] gets its NaN from the gamma inverse.
    return GammaCDFInv(p, nu * 0.5, 2);
}

double ChiSquareCCDFInv(double p, std::int32_t nu) {
    if (AnyNaN(p)) return NaN;
    if (nu <= 0) return NaN;
    return GammaCCDFInv(p, nu * 0.5, 2);
}

// lambda is the scale (the mean), not a rate.
double ExpPDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    // The density at 0 itself is 0, not 1 / lambda.
    if (x <= 0) return 0;
    return Stored(ExpOfMinus(ext(x) / lambda) / lambda);
}

double ExpCDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    if (x <= 0) return 0;
    const ext t = ext(x) / lambda;
    if (t > 0.25L) return Stored(1 - ExpOfMinus(t));
    // -expm1(-t) at t rounded to double, moved to t by its derivative e^-t.
    const double td = Stored(t);
    const ext m = -std::expm1(-td);
    return Stored(m + (1 - m) * (t - td));
}

double ExpCCDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    if (x <= 0) return 1;
    return Stored(ExpOfMinus(ext(x) / lambda));
}

double ExpCDFInv(double p, double lambda) {
    if (AnyNaN(p, lambda)) return NaN;
    if (lambda <= 0 || OutsideUnit(p)) return NaN;
    if (p == 0) return 0;
    // ln(1 - p): log1p where 1 - p would round, the exact 1 - p from 1/2 on.
    // At p = 1, ln 0 = -Inf gives +Inf.
    const ext l = p < 0.5 ? ext(std::log1p(-p)) : numkern::LnExt(1 - p);
    return Stored(-l * lambda);
}

double ExpCCDFInv(double p, double lambda) {
    if (AnyNaN(p, lambda)) return NaN;
    if (lambda <= 0 || OutsideUnit(p)) return NaN;
    // The double logarithm is within half an ulp; p is exact.
    return Stored(-ext(std::log(p)) * lambda);
}

}  // namespace distrium
