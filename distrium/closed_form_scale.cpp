// Closed-form laws on a half-line: Pareto (shape a, lower end b), Rayleigh
// (scale b) and Weibull (factor a of the exponent, shape b, CDF
// 1 - e^(-a x^b)). Each PDF, CDF and inverse is one formula in the kernel's
// elementary functions.
#include <cmath>

#include "distrium/continuous_common.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpLimit;
using detail::ExpTimes;
using ext = long double;
using numkern::Inf;
using numkern::Ln;
using numkern::NaN;
using numkern::Power;

// ---- Pareto: density a b^a / x^(a+1) for x >= b -------------------------------
// Neither a nor b is tested; below b the functions answer NaN, not 0.

double ParetoPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return NaN;
    return static_cast<double>(Power(b, a) * a * Power(x, static_cast<double>(-ext(a) - 1)));
}

double ParetoCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (x < b) return NaN;
    return static_cast<double>(1 - Power(static_cast<double>(ext(b) / x), a));
}

double ParetoCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0) return NaN;
    if (p == 1) return Inf;
    if (p > 1) return NaN;
    return static_cast<double>(
        Power(static_cast<double>(1 - ext(p)), static_cast<double>(-1 / ext(a))) * b);
}

// ---- Rayleigh: density (x / b^2) e^(-x^2 / (2 b^2)) -----------------------------

double RayleighPDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    const double q = static_cast<double>(1 / (ext(b) * b));
    const ext e = ExpLimit(static_cast<double>(-(ext(x) * x) * 0.5L * q));
    // e * x * q from the left; once e is 0 so is the density, even where x q
    // is infinite.
    return e == 0 ? 0.0 : static_cast<double>(e * x * q);
}

double RayleighCDF(double x, double b) {
    if (AnyNaN(x, b)) return NaN;
    if (b <= 0 || x < 0) return NaN;
    const ext r = ext(x) / b;
    return static_cast<double>(1 - ExpLimit(static_cast<double>(r * r * (-0.5L))));
}

double RayleighCDFInv(double p, double b) {
    if (AnyNaN(p, b)) return NaN;
    if (b <= 0 || p > 1 || p < 0) return NaN;
    if (p == 1) return Inf;
    // At p = 0 this is sqrt(-0) * b, a zero with the sign bit set.
    return static_cast<double>(std::sqrt(Ln(static_cast<double>(1 - ext(p))) * (-2)) * b);
}

// ---- Weibull: density a b x^(b-1) e^(-a x^b) --------------------------------------

double WeibullPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x > 0) {
        const double t = static_cast<double>(Power(x, static_cast<double>(ext(b) - 1)) * (ext(a) * b));
        return static_cast<double>(ExpTimes(t, static_cast<double>(-a * Power(x, b))));
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
    return static_cast<double>(1 - ExpLimit(static_cast<double>(-a * Power(x, b))));
}

double WeibullCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a <= 0 || b <= 0 || p < 0 || p > 1) return NaN;
    if (p > 0 && p < 1)
        return static_cast<double>(Power(static_cast<double>(-Ln(static_cast<double>(1 - ext(p))) / a),
                                         static_cast<double>(1 / ext(b))));
    return p == 1 ? Inf : 0.0;
}

}  // namespace distrium
