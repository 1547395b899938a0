// Gamma distribution (shape a, scale b) and the two members of its family
// that the catalogue lists on their own: chi-square with nu degrees of
// freedom (shape nu/2, scale 2) and the exponential with scale lambda.
// The gamma CDF is the regularised incomplete gamma P(a, x/b); its inverse
// is Newton's method started from the log-normal with the same mean and
// variance.
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

namespace {

// Newton stops once the step is below 256 Eps relative or 2^-26 absolute;
// both bounds are extended values.
constexpr ext kRelTolerance = 256.0L * numkern::Eps;
constexpr ext kAbsTolerance = 1.4901161194e-8L;
constexpr int kMaxIterations = 100;

// exp of the normal quantile whose mean and variance are those of ln X for a
// log-normal X with the gamma's mean a b and variance a b^2. The variance of
// the logarithm goes where the normal's sigma would.
double LogNormalStartValue(double p, double a, double b) {
    const double m = Stored(ext(a) * b);
    const double v = Stored(ext(m) * b);
    const double L = Stored(Ln(Stored(ext(m) * m + v)));
    const double mu = Stored(Ln(m) * 2 - 0.5L * L);
    const double s = Stored(Ln(m) * (-2) + L);
    return Stored(ExpLimit(NormalCDFInv(p, mu, s)));
}

// Start value for the far lower tail, where P(a, x/b) ~ (x/b)^a / Gamma(a+1).
// Below p of about 1e-16, 2p - 1 rounds to -1 and the log-normal start
// underflows to 0; for a > 1 the density vanishes there and the first
// Newton step would run off to +Inf, for a < 1 it is infinite and the step
// stays at 0. With a = 1 the density 1 / b at 0 makes that first step the
// answer, so 0 stays the start there.
double LowerTailStartValue(double p, double a, double b) {
    const double exponent =
        Stored((Ln(p) + numkern::LnGamma(Stored(ext(a) + 1))) / a);
    return Stored(ExpLimit(exponent) * b);
}

}  // namespace

double GammaPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    // The pole at 0 answers before the parameter tests.
    if (x == 0 && a < 1) return Inf;
    if (a <= 0 || b <= 0) return NaN;
    if (x > 0) {
        ext E = Ln(x) * (ext(a) - 1) - ext(x) / b;
        E = E - numkern::LnGamma(a);
        const double stored = Stored(E - Ln(b) * ext(a));
        return Stored(ExpLimit(stored));
    }
    if (x < 0) return 0;
    return a == 1 ? Stored(1.0L / b) : 0.0;
}

double GammaCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x <= 0) return 0;
    return numkern::Min(GammaP(a, Stored(ext(x) / b)), 1);
}

double GammaCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0 || p > 1 || a <= 0 || b <= 0) return NaN;
    if (p == 1) return Inf;
    if (p == 0) return 0;

    double x = LogNormalStartValue(p, a, b);
    if (x == 0 && a != 1) x = LowerTailStartValue(p, a, b);
    double dx = 1;
    int i = 0;
    // A NaN step or iterate fails every comparison and ends the loop with x.
    while (std::fabs(dx) > std::fabs(x) * kRelTolerance && std::fabs(dx) > kAbsTolerance &&
           i < kMaxIterations) {
        ++i;
        dx = Stored((ext(GammaCDF(x, a, b)) - p) / GammaPDF(x, a, b));
        double next = Stored(ext(x) - dx);
        if (next < 0) {
            // Cut back towards 0 instead of leaving the support.
            next = Stored(0.1L * x);
            dx = Stored(ext(x) - next);
        }
        x = next;
    }
    if (i == kMaxIterations) numkern::RaiseOrlenError("Failed to converge!");
    // Every p below 1 has a finite quantile: an iterate that ran off to
    // infinity (a density that underflowed to 0) is no answer.
    return std::isinf(x) ? NaN : x;
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

double ChiSquareCDFInv(double p, std::int32_t nu) {
    if (AnyNaN(p)) return NaN;
    if (nu <= 0) return NaN;
    if (p == 0) return 0;
    // A p outside [0, 1] gets its NaN from the gamma inverse.
    return GammaCDFInv(p, nu * 0.5, 2);
}

// lambda is the scale (the mean), not a rate.
double ExpPDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    // The density at 0 itself is 0, not 1 / lambda.
    if (x <= 0) return 0;
    return Stored(ExpTimes(1.0L / lambda, Stored((-1.0L / lambda) * x)));
}

double ExpCDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    if (x <= 0) return 0;
    return Stored(1 - ExpLimit(Stored(-ext(x) / lambda)));
}

double ExpCDFInv(double p, double lambda) {
    if (AnyNaN(p, lambda)) return NaN;
    if (lambda <= 0 || p < 0 || p > 1) return NaN;
    if (p == 0) return 0;
    // At p = 1, Ln(0) = -Inf gives +Inf.
    return Stored(-ext(lambda) * Ln(Stored(1 - ext(p))));
}

}  // namespace distrium
