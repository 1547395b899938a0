// Closed-form location-scale laws on the whole real line: Cauchy, Laplace,
// logistic and log-Weibull (the Gumbel law of maxima). Each PDF, CDF and
// inverse is one formula in the kernel's elementary functions.
#include <cmath>

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

// ---- Cauchy: density b / (pi (b^2 + (x - m)^2)) ------------------------------

double CauchyPDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const ext d = ext(x) - m;
    return static_cast<double>((2 * ext(numkern::InvTwoPi) * b) / (ext(b) * b + d * d));
}

double CauchyCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    return static_cast<double>((2 * ext(numkern::InvTwoPi)) *
                                   numkern::ArcTan2(static_cast<double>(ext(x) - m), b) +
                               0.5L);
}

// No special case at p = 0 or 1: the tangent next to -pi/2 and pi/2 is large
// but finite.
double CauchyCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || p < 0 || p > 1) return NaN;
    return static_cast<double>(
        numkern::Tan(static_cast<double>((ext(p) - 0.5L) * numkern::Pi)) * b + m);
}

// ---- Laplace: density e^(-|x - m| / b) / (2 b) ---------------------------------

double LaplacePDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    return static_cast<double>(ExpLimit(static_cast<double>(-std::fabs(ext(x) - m) / b)) *
                               0.5L / b);
}

double LaplaceCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    // The sign is 0 at x = m, which gives 0.5 there.
    const ext d = ext(x) - m;
    const int s = numkern::Sign(static_cast<double>(d));
    return static_cast<double>(
        (s * (1 - ExpLimit(static_cast<double>(-std::fabs(d) / b))) + 1) * 0.5L);
}

double LaplaceCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0 || p < 0 || p > 1) return NaN;
    if (p == 0.5) return m;
    // Ln(0) = -Inf gives the infinite ends at p = 0 and p = 1.
    if (p > 0.5) return static_cast<double>(-Ln(static_cast<double>(2 - 2 * ext(p))) * b + m);
    return static_cast<double>(Ln(static_cast<double>(2 * ext(p))) * b + m);
}

// ---- Logistic: CDF 1 / (1 + e^(-(x - m) / b)), any location m ---------------

double LogisticPDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    const double e = static_cast<double>(ExpLimit(static_cast<double>(-(ext(x) - m) / b)));
    // Far below m the stored e overflows, and Inf / Inf would hide the limit 0.
    if (numkern::IsInf(e)) return 0;
    const ext onePlusE = 1 + ext(e);
    return static_cast<double>(e / (onePlusE * onePlusE * b));
}

double LogisticCDF(double x, double m, double b) {
    if (AnyNaN(x, m, b)) return NaN;
    if (b <= 0) return NaN;
    return static_cast<double>(1 / (1 + ExpLimit(static_cast<double>(-(ext(x) - m) / b))));
}

// p is not range-tested: outside [0, 1] the logarithm's argument is
// negative and Ln answers NaN.
double LogisticCDFInv(double p, double m, double b) {
    if (AnyNaN(p, m, b)) return NaN;
    if (b <= 0) return NaN;
    if (p == 1) return Inf;
    if (p == 0) return -Inf;
    return static_cast<double>(m - b * Ln(static_cast<double>(1 / ext(p) - 1)));
}

// ---- Log-Weibull (Gumbel): CDF exp(-exp((a - x) / b)), any b but 0 -------------
// A negative b turns the CDF into a decreasing function and the PDF, its
// derivative, negative; the catalogue accepts it.

double LogWeibullPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (b == 0) return NaN;
    const double z = static_cast<double>((ext(a) - x) / b);
    const ext ez = ExpLimit(z);
    // Once e^z overflows the density is 0; z - e^z would be Inf - Inf at z = Inf.
    if (std::isinf(ez)) return 0;
    return static_cast<double>(ExpLimit(static_cast<double>(z - ez)) / b);
}

double LogWeibullCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (b == 0) return NaN;
    return static_cast<double>(
        ExpLimit(static_cast<double>(-ExpLimit(static_cast<double>((ext(a) - x) / b)))));
}

double LogWeibullCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (b == 0 || p < 0 || p > 1) return NaN;
    // For b > 0 the ends are -Inf at p = 0 and +Inf at p = 1, through Ln(0).
    return static_cast<double>(a - Ln(static_cast<double>(-Ln(p))) * b);
}

}  // namespace distrium
