// The beta function B(A, B) = Gamma(A) Gamma(B) / Gamma(A + B) through
// LnGamma, the continued fraction of I_X(A, B) in double steps, and the
// regularised incomplete beta function I_X(A, B) in both tails: the prefix
// X^A (1 - X)^B / B(A, B) in Loader's saddle-point form (Stirling errors and
// deviances, C. Loader 2000) times the continued fraction of Numerical
// Recipes contracted to its even part in lambda = A - (A + B) X (DiDonato
// and Morris, ACM TOMS 18, 1992), its convergents run forward in extended
// precision, taken on X or on 1 - X, whichever converges, and the other
// tail as the complement of a value that is at most about one half; next to
// the mean of large shapes, Temme's uniform expansion (beta_temme.cpp).
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "distrium/distrium.h"
#include "distrium/incomplete_beta.h"
#include "distrium/internal.h"
#include "distrium/saddle_point.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ext;
using detail::Stored;

namespace {

// 1.797693134862315e308 read as a double (7FEFFFFFFFFFFFFB): the value of a
// beta function with a pole in A or B, four ulps below the largest double.
constexpr double PoleValue = 1.797693134862315e308;

// About 2 ms of the fraction's double steps; it needs at most about
// sqrt(max(A, B)) of them, so it converges for shapes up to some 1e9.
constexpr std::int64_t MaxIterations = 50000;

// d or u of the Lentz method, kept away from zero.
double Floored(double V) { return std::fabs(V) < numkern::MinDouble ? numkern::MinDouble : V; }

}  // namespace

double BetaFn(double A, double B) {
    const double sum = Stored(static_cast<ext>(A) + B);
    const int s = numkern::GammaSign(A) * numkern::GammaSign(B) * numkern::GammaSign(sum);
    const double lab = numkern::LnGamma(sum);
    const double la = numkern::LnGamma(A);
    const double lb = numkern::LnGamma(B);
    if (numkern::IsInf(lab)) return 0.0;
    if (numkern::IsInf(la) || numkern::IsInf(lb)) return s * PoleValue;
    return Stored(s * numkern::Exp(Stored((static_cast<ext>(la) + lb) - lab)));
}

double BetaIContFrac(double A, double B, double X) {
    const double qab = Stored(static_cast<ext>(A) + B);
    const double qap = Stored(static_cast<ext>(A) + 1);
    const double qam = Stored(static_cast<ext>(A) - 1);
    double u = 1;
    double d = Floored(Stored(1 - (static_cast<ext>(qab) * X) / qap));
    d = Stored(1.0L / d);
    double h = d;
    const std::int64_t limit = detail::IterationLimit(std::fmax(A, B), MaxIterations);
    for (std::int64_t m = 1;; ++m) {
        if (m > limit || std::isnan(h)) return numkern::NaN;
        const ext em = static_cast<ext>(m);
        const ext m2 = 2 * em;
        // Even step of the fraction.
        double aa = Stored(((B - em) * em * X) / ((qam + m2) * (A + m2)));
        d = Floored(Stored(aa * static_cast<ext>(d) + 1));
        u = Floored(Stored(aa / static_cast<ext>(u) + 1));
        d = Stored(1.0L / d);
        h = Stored(static_cast<ext>(h) * d * u);
        // Odd step.
        aa = Stored((-(A + em) * (qab + em) * X) / ((A + m2) * (qap + m2)));
        d = Floored(Stored(aa * static_cast<ext>(d) + 1));
        u = Floored(Stored(aa / static_cast<ext>(u) + 1));
        d = Stored(1.0L / d);
        const double del = Stored(static_cast<ext>(d) * u);
        h = Stored(static_cast<ext>(h) * del);
        if (std::fabs(static_cast<ext>(del) - 1) < numkern::Eps) break;
    }
    return h;
}

double BetaI(double X, double A, double B) {
    if (!(A > 0) || !(B > 0) || !(X >= 0) || !(X <= 1)) return 0.0;
    if (X == 0 || X == 1) return X;
    if (numkern::IsInf(A) || numkern::IsInf(B)) return numkern::NaN;
    return Stored(detail::IncBetaKernel(A, B).Tail(X, 1 - ext(X), false));
}

}  // namespace distrium

namespace distrium::detail {

namespace {

constexpr ext LnSqrt2Pi = 0.918938533204672741780329736406L;

// Steps of the extended fraction: about 140 / z^2 at z standard deviations
// from the mean, and up to sqrt(min(a, b)) next to it, where Temme's
// expansion takes over for large shapes; this many end within a few
// milliseconds.
constexpr std::int64_t MaxFractionSteps = 200000;

}  // namespace

ext StirlingDelta(ext z) {
    // Below 15 from the extended log-gamma, where nothing large cancels;
    // above, the Stirling series, whose first term left out is below 1e-19.
    if (z < 15) return std::lgamma(z) - (z - 0.5L) * std::log(z) + z - LnSqrt2Pi;
    const ext zz = 1 / (z * z);
    const ext series =
        1.0L / 12 -
        zz * (1.0L / 360 -
              zz * (1.0L / 1260 -
                    zz * (1.0L / 1680 - zz * (1.0L / 1188 - zz * (691.0L / 360360 - zz / 156)))));
    return series / z;
}

IncBetaKernel::IncBetaKernel(double a, double b) : a_(a), b_(b), sum_(ext(a) + b) {
    // A range or a chart evaluates many points at the same shapes, and the
    // extended log-gammas cost more than the rest of a value: the last
    // shapes' constant is kept, per thread.
    thread_local double lastA = numkern::NaN;
    thread_local double lastB = numkern::NaN;
    thread_local ext lastScale = 0;
    if (a == lastA && b == lastB) {
        lnScale_ = lastScale;
        return;
    }
    lnScale_ = 0.5L * std::log(ext(a) / sum_ * b) - LnSqrt2Pi + StirlingDelta(sum_) -
               StirlingDelta(a) - StirlingDelta(b);
    lastA = a;
    lastB = b;
    lastScale = lnScale_;
}

// Gamma(a + b) / (Gamma(a) Gamma(b)) by Stirling's formula with its error
// terms, times x^a y^b: with s = a + b, the powers and the Stirling factors
// meet as (s x / a)^a (s y / b)^b = exp(-D(a, s x) - D(b, s y)), both
// deviances non-negative. x + y = 1 is taken as exact, so each of x and y
// contributes only its own relative error.
ext IncBetaKernel::Deviances(ext x, ext y) const {
    return Deviance(a_, sum_ * x) + Deviance(b_, sum_ * y);
}

ext IncBetaKernel::Prefix(ext x, ext y) const { return std::exp(lnScale_ - Deviances(x, y)); }

// The fraction of Numerical Recipes contracted to its even part, written
// with lambda = a - (a + b) x as DiDonato and Morris do: for lambda >= 0
// (x at most the mean) its terms are positive, where the plain fraction
// divides by 1 - (a + b) x / (a + 1), a difference that vanishes next to
// the mean and takes the leading digits with it. The convergents P/Q of
// f = b0 + alpha1 / (beta1 + ...) are run forward, which needs no division
// a step (the divisions of Lentz's method were most of its cost); the
// change between convergents, P_m Q_(m-1) - P_(m-1) Q_m = -alpha_m times
// the one before, is carried as a product, so the test costs no division
// either and nothing cancels in it.
ext IncBetaKernel::Fraction(ext x, ext y, double a, double b, ext lambda) const {
    // Term m multiplied through by (a + 2m - 1)(a + 2m)(a + 2m + 1).
    const ext A = a;
    const ext B = b;
    ext pPrev = 1;
    ext qPrev = 0;
    ext p = (lambda + 1) / (A + 1);
    ext q = 1;
    ext change = -1;
    // The convergents grow by up to 1e30 a step: they are brought back by
    // 2^-4000, and their change, a product of two, by 2^-8000.
    constexpr ext Big = 0x1p4000L;
    constexpr ext Shrink = 0x1p-4000L;
    constexpr ext Tolerance = 2 * std::numeric_limits<ext>::epsilon();
    const std::int64_t limit = IterationLimit(std::fmax(a, b), MaxFractionSteps);
    for (std::int64_t m = 1; m <= limit; ++m) {
        const ext em = ext(m);
        const ext a2m = A + 2 * em;
        const ext bm = em * (B - em) * x;
        const ext alpha = m == 1 ? sum_ * (B - 1) * x * x * (A + 3) / (A + 1)
                                 : (A + em - 1) * (sum_ + em - 1) * bm * x * (a2m - 3) * (a2m + 1);
        const ext beta = em * (a2m - 1) * (a2m + 1) + bm * (a2m + 1) +
                         (A + em) * (lambda + 1 + em * (1 + y)) * (a2m - 1);
        const ext pNext = beta * p + alpha * pPrev;
        const ext qNext = beta * q + alpha * qPrev;
        change *= -alpha;
        pPrev = p;
        qPrev = q;
        p = pNext;
        q = qNext;
        if (std::fabs(change) <= Tolerance * std::fabs(pPrev * q)) return q / p;
        if (std::isnan(p) || std::isnan(q)) break;
        if (std::fabs(p) > Big || std::fabs(q) > Big) {
            p *= Shrink;
            q *= Shrink;
            pPrev *= Shrink;
            qPrev *= Shrink;
            change *= Shrink * Shrink;
        }
    }
    return numkern::NaN;
}

ext IncBetaKernel::Tail(ext xIn, ext yIn, bool Upper, ext* prefix) const {
    if (prefix) *prefix = 0;
    if (xIn <= 0) return Upper ? 1 : 0;
    if (yIn <= 0) return Upper ? 0 : 1;
    // The smaller of the two is the one its caller holds exactly (p of a
    // binomial, 1 - p rounded to double is not); the other is its
    // complement in extended precision, exact but for x or y below 2^-11.
    // At 2^31 trials half an ulp of 1 - p, carried into the prefix and the
    // deviance, would move a tail by 1e-11 of itself.
    const ext x = xIn <= yIn ? xIn : 1 - yIn;
    const ext y = xIn <= yIn ? 1 - xIn : yIn;
    const ext deviance = Deviances(x, y);
    const ext p = std::exp(lnScale_ - deviance);
    if (prefix) *prefix = p;
    // lambda from the smaller of x and y, which carries its digits. The
    // fraction on x converges below (a + 1) / (a + b + 2), the one on y
    // above; on either side lambda + 1 > 0 keeps its terms positive.
    const ext lambda = x <= y ? a_ - sum_ * x : sum_ * y - b_;
    if (std::fmin(a_, b_) >= BetaTemmeMinShape && deviance <= BetaTemmeMaxDeviance)
        return BetaTemmeTail(a_, b_, deviance, p, lambda < 0, Upper);
    const bool onX = lambda + 1 > 2 * x;
    ext direct = 0;
    if (p > 0)
        direct = onX ? p / a_ * Fraction(x, y, a_, b_, lambda)
                     : p / b_ * Fraction(y, x, b_, a_, -lambda);
    return Upper != onX ? direct : 1 - direct;
}

double IncBeta(double x, double y, double a, double b, bool Upper) {
    if (AnyNaN(x, y, a, b) || !(a > 0) || !(b > 0)) return numkern::NaN;
    if (numkern::IsInf(a) || numkern::IsInf(b)) return numkern::NaN;
    return Stored(IncBetaKernel(a, b).Tail(x, y, Upper));
}

}  // namespace distrium::detail
