// Regularised incomplete gamma functions P(A, X) and Q(A, X) = 1 - P(A, X):
// a power series below the switch point X = A + 1, a continued fraction
// (modified Lentz) from it on, both scaled by exp(A ln X - X - ln Gamma(A))
// formed in logarithms so that large arguments do not overflow.
#include <cfloat>
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ext;
using detail::Stored;

namespace {

// About 2.5 ms of either loop: the series converges up to shapes of about
// 5e8 at its worst argument (X near A), the fraction far beyond.
constexpr std::int64_t MaxIterations = 200000;

// 1 / DBL_MIN: the reciprocal of anything above it is subnormal.
constexpr double SubnormalReciprocal = 0x1p1022;

// exp(A ln X - X - ln Gamma(A)) times the evaluator's sum or fraction.
double Prefactored(double A, double X, double Factor) {
    const ext lnTerm = (A * numkern::Ln(X) - X) - numkern::LnGamma(A);
    return Stored(numkern::Exp(Stored(lnTerm)) * Factor);
}

}  // namespace

double GammaPSeries(double A, double X) {
    double ap = A;
    double sum = Stored(1.0L / A);
    double del = sum;
    // 1/A overflows only below 1/DBL_MAX; there Q(A, X) is about A E1(X),
    // far below half an ulp of 1, so P rounds to 1.
    if (sum > DBL_MAX && X > 0) return 1.0;
    const std::int64_t limit = detail::IterationLimit(std::fmax(A, X), MaxIterations);
    for (std::int64_t n = 0;; ++n) {
        if (n == limit) return numkern::NaN;
        ap = Stored(static_cast<ext>(ap) + 1);
        del = Stored(del * static_cast<ext>(X) / ap);
        // An infinite term never meets the stop test below.
        if (numkern::IsInf(del)) return numkern::NaN;
        sum = Stored(static_cast<ext>(sum) + del);
        // A zero term ends the sum too: every later one vanishes (with an
        // infinite A the sum itself is 0 and the test alone never ends it).
        if (!(std::fabs(del) >= std::fabs(sum) * static_cast<ext>(numkern::Eps)) || del == 0)
            break;
    }
    return Prefactored(A, X, sum);
}

double GammaQContFrac(double A, double X) {
    // From 2^1022 on, 1/b is subnormal and too coarse for the stop test, and
    // at +Inf the fraction turns into 0 * Inf: it never ends. X - A is then
    // at least an ulp of X, 2^970, against a standard deviation sqrt(A) below
    // 2^512, so Q is 0.
    if (X >= SubnormalReciprocal && X > A) return 0.0;
    const double tiny = numkern::MinDouble;
    double b = Stored(static_cast<ext>(X) + 1 - A);
    double u = Stored(1.0L / tiny);
    double d = Stored(1.0L / b);
    double h = d;
    const std::int64_t limit = detail::IterationLimit(std::fmax(A, X), MaxIterations);
    for (std::int64_t i = 1;; ++i) {
        if (i > limit || std::isnan(h)) return numkern::NaN;
        const ext ei = static_cast<ext>(i);
        const double an = Stored((ei - A) * -ei);
        b = Stored(static_cast<ext>(b) + 2);
        d = Stored(an * static_cast<ext>(d) + b);
        if (std::fabs(d) < tiny) d = tiny;
        u = Stored(b + an / static_cast<ext>(u));
        if (std::fabs(u) < tiny) u = tiny;
        d = Stored(1.0L / d);
        const double del = Stored(static_cast<ext>(d) * u);
        h = Stored(static_cast<ext>(h) * del);
        if (std::fabs(static_cast<ext>(del) - 1) < numkern::Eps) break;
    }
    return Prefactored(A, X, h);
}

double GammaP(double A, double X) {
    if (!(A > 0)) return 0.0;
    if (!(X >= 0)) return 0.0;
    if (X == 0) return 0.0;
    if (X < static_cast<ext>(A) + 1) return GammaPSeries(A, X);
    return Stored(1 - static_cast<ext>(GammaQContFrac(A, X)));
}

double GammaQ(double A, double X) {
    if (!(A > 0)) return 0.0;
    if (!(X >= 0)) return 0.0;
    if (X == 0) return 1.0;
    if (X < static_cast<ext>(A) + 1) return Stored(1 - static_cast<ext>(GammaPSeries(A, X)));
    return GammaQContFrac(A, X);
}

}  // namespace distrium
