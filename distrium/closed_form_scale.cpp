// Closed-form laws on a half-line: Pareto (shape a, lower end b), Rayleigh
// (scale b) and Weibull (factor a of the exponent, shape b, CDF
// 1 - e^(-a x^b)). Each PDF, CDF and inverse is one formula in the kernel's
// elementary functions.
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
using numkern::Inf;
using numkern::Ln;
using numkern::NaN;
using numkern::Power;

// ---- Pareto: density a b^a / x^(a+1) for x >= b -------------------------------
// Neither a nor b is tested; below b the functions answer NaN, not 0.

double ParetoPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return NaN;
    return Stored(Power(b, a) * a * Power(x, Stored(-ext(a) - 1)));
}

double ParetoCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return NaN;
    return Stored(1 - Power(Stored(ext(b) / x), a));
}

double ParetoCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0) return NaN;
    if (p == 1) return Inf;
    if (p > 1) return NaN;
    return Stored(
        Power(Stored(1 - ext(p)), Stored(-1 / ext(a))) * b);
}

// ---- Rayleigh: density (x / b^2) e^(-x^2 / (2 b^2)) -----------------------------

double RayleighPDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    const double q = Stored(1 / (ext(b) * b));
    const ext e = ExpLimit(Stored(-(ext(x) * x) * 0.5L * q));
    // e * x * q from the left; once e is 0 so is the density, even where x q
    // is infinite.
    return e == 0 ? 0.0 : Stored(e * x * q);
}

double RayleighCDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    const ext r = ext(x) / b;
    return Stored(1 - ExpLimit(Stored(r * r * (-0.5L))));
}

double RayleighCDFInv(double p, double b) {
    if (AnyNaN(p, b)) return NaN;
    if (b <= 0 || p > 1 || p < 0) return NaN;
    if (p == 1) return Inf;
    // At p = 0 this is sqrt(-0) * b, a zero with the sign bit set.
    return Stored(std::sqrt(Ln(Stored(1 - ext(p))) * (-2)) * b);
}

// ---- Weibull: density a b x^(b-1) e^(-a x^b) --------------------------------------

double WeibullPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x > 0) {
        const double t = Stored(Power(x, Stored(ext(b) - 1)) * (ext(a) * b));
        return Stored(ExpTimes(t, Stored(-a * Power(x, b))));
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
    if (x < 0) return 0;
    return Stored(1 - ExpLimit(Stored(-a * Power(x, b))));
}

double WeibullCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a <= 0 || b <= 0 || p < 0 || p > 1) return NaN;
    if (p > 0 && p < 1)
        return Stored(Power(Stored(-Ln(Stored(1 - ext(p))) / a),
                                         Stored(1 / ext(b))));
    return p == 1 ? Inf : 0.0;
}

}  // namespace distrium
