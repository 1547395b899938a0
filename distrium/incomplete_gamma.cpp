// Regularised incomplete gamma functions P(A, X) and Q(A, X) = 1 - P(A, X).
// The tail that is the smaller one is computed directly, the other as its
// complement in extended precision; the region decides the method, as in
// DiDonato and Morris (ACM TOMS 12, 1986) and Boost.Math's igamma:
//  - the power series of P below x = a (and for x < 1.1 unless a is small);
//  - the continued fraction of Q (modified Lentz) above it;
//  - for a small shape at x < 1.1, where P is near 1, Q from
//    1 - x^a / Gamma(a + 1) by expm1 and the series of the rest;
//  - Temme's uniform expansion for a >= 20 and |x - a| < 0.4 a, where the
//    series and the fraction would need some sqrt(a) terms.
// All of them share the weight x^a e^-x / Gamma(a + 1); from a shape of 16
// on it is Loader's saddle-point form exp(-stirlerr(a) - bd0(a, x)) /
// sqrt(2 pi a), which keeps its relative accuracy where a ln x - x - ln
// Gamma(a + 1) would cancel to a fraction of its size (C. Loader, Fast and
// accurate computation of binomial probabilities, 2000).
#include <cmath>
#include <iterator>

#include "distrium/distrium.h"
#include "distrium/incomplete_gamma.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ext;
using detail::GammaShape;
using detail::GammaTails;
using detail::Stored;

namespace {

// The series and the fraction stop when a term changes the result by less
// than a quarter of an extended ulp.
constexpr ext kTolerance = 0x1p-65L;

// They converge within a few hundred steps where the regions send them; the
// bound is a guard.
constexpr std::int64_t MaxIterations = 200000;

constexpr ext kLnSqrt2Pi = 0.918938533204672741780329736406L;
constexpr ext kPi = 3.14159265358979323846264338327950288L;

// From this shape on the weight takes Loader's form.
constexpr double LoaderFrom = 16;
// Temme's expansion from this shape on, within this relative distance of a.
constexpr double TemmeFrom = 20;
constexpr ext TemmeWidth = 0.4L;

// Loader's Stirling error ln Gamma(a + 1) - (a + 1/2) ln a + a - ln sqrt(2 pi)
// for a >= 16 from its asymptotic series; the first term left out is below
// 3e-20 there.
ext StirlingErrorSeries(ext a) {
    const ext r = 1 / (a * a);
    constexpr ext c[] = {1.0L / 12,   -1.0L / 360,      1.0L / 1260, -1.0L / 1680,
                         1.0L / 1188, -691.0L / 360360, 1.0L / 156,  -3617.0L / 122400};
    ext s = c[7];
    for (int k = 6; k >= 0; --k) s = s * r + c[k];
    return s / a;
}

// (Gamma(1 + f) - 1) / f for 0 <= f <= 1 as a polynomial in t = 2f - 1,
// from tools/gamma_near_one_coefficients.py (error below 3e-20).
constexpr ext kGammaNearOne[26] = {
    1.672915551950015508362e-12L,  -5.018744908344632789834e-12L, 4.182274900156224151291e-12L,
    -1.254679237550811860878e-11L, 6.890282489261503930536e-11L,  -2.067076340618260636725e-10L,
    5.677878101947750488917e-10L,  -1.703342477767952872264e-9L,  5.166416282197443981991e-9L,
    -1.549872529982996789763e-8L,  4.645240169474349719840e-8L,   -1.393441203936364433220e-7L,
    4.179879345553889913532e-7L,   -1.253634600865575098249e-6L,  3.759317440133681352635e-6L,
    -1.126928912278578292797e-5L,  3.377420255378401989097e-5L,   -1.010493710179719275823e-4L,
    3.029056713729470229978e-4L,   -8.966859144131243470075e-4L,  2.728257908706873545097e-3L,
    -7.573448677447970553116e-3L,  2.565411855802534762201e-2L,   -5.247781969921839680033e-2L,
    2.598845465433689865362e-1L,   -2.275461490944839727185e-1L,
};

// Gamma(1 + f) - 1 to its last bits also where it is near 0. The odd and
// even powers run as two independent Horner chains in t^2.
ext GammaOnePlusMinusOne(ext f) {
    const ext t = 2 * f - 1;
    const ext tt = t * t;
    ext odd = 0;
    ext even = 0;
    for (std::size_t i = 0; i + 1 < std::size(kGammaNearOne); i += 2) {
        odd = odd * tt + kGammaNearOne[i];
        even = even * tt + kGammaNearOne[i + 1];
    }
    return f * (odd * t + even);
}

// Gamma(1 + a) for 0 < a < LoaderFrom: Gamma(1 + f) and the rising product.
// The whole and half-whole shapes (chi-square's) need no polynomial.
ext GammaOnePlus(double a) {
    constexpr ext halfSqrtPi = 0.886226925452758013649083741671L;
    const ext n = std::floor(ext(a));
    const ext f = a - n;
    ext g = f == 0 ? 1 : f == 0.5L ? halfSqrtPi : 1 + GammaOnePlusMinusOne(f);
    for (ext k = 1; k <= n; ++k) g *= f + k;
    return g;
}

// e^-d for 0 <= d <= 1/192 by its Taylor series (terms below 1e-20).
ext ExpOfSmall(ext d) {
    constexpr ext inverse[] = {1.0L / 7, 1.0L / 6, 1.0L / 5, 1.0L / 4, 1.0L / 3, 1.0L / 2, 1};
    ext s = 1;
    for (ext r : inverse) s = 1 - s * d * r;
    return s;
}

// a ln(a / x) + x - a, Loader's bd0, near x = a: with v = (x - a) / (x + a),
// (x - a) v - 2a (v^3/3 + v^5/5 + ...); |v| < 0.1 where it is used, and the
// terms that still count are fewer the smaller |v| (v^2n below 1e-20).
ext DevianceNear(ext a, ext x) {
    constexpr ext inverseOdd[] = {1.0L / 21, 1.0L / 19, 1.0L / 17, 1.0L / 15, 1.0L / 13,
                                  1.0L / 11, 1.0L / 9,  1.0L / 7,  1.0L / 5,  1.0L / 3};
    const ext d = x - a;
    const ext v = d / (x + a);
    const ext vv = v * v;
    const std::size_t skip = vv < 1e-6L ? 6 : vv < 1e-4L ? 5 : vv < 1e-3L ? 3 : 0;
    ext s = 0;
    for (std::size_t i = skip; i < std::size(inverseOdd); ++i) s = s * vv + inverseOdd[i];
    return d * v - 2 * a * v * vv * s;
}

// Loader's bd0 = a ln(a / x) + x - a, by the series near a.
ext ShapeDeviance(ext a, ext x) {
    if (std::fabs(x - a) < 0.1L * (x + a)) return DevianceNear(a, x);
    return a * numkern::LnExt(a / x) + x - a;
}

GammaTails FromLower(ext p, ext weight) { return {p, 1 - p, weight}; }
GammaTails FromUpper(ext q, ext weight) { return {1 - q, q, weight}; }

}  // namespace

namespace detail {

GammaShape::GammaShape(double a) : a_(a) {
    if (a < LoaderFrom) {
        gammaPlusOne_ = GammaOnePlus(a);
        return;
    }
    stirlingError_ = StirlingErrorSeries(a);
    normFactor_ = ExpOfSmall(stirlingError_) / std::sqrt(2 * kPi * a);
}

ext GammaShape::LnGammaShapePlusOne() const {
    if (a_ < 1) return std::log1p(GammaOnePlusMinusOne(a_));
    if (a_ < LoaderFrom) return numkern::LnExt(gammaPlusOne_);
    return stirlingError_ + kLnSqrt2Pi + (a_ + 0.5L) * numkern::LnExt(a_) - a_;
}

ext GammaShape::Weight(ext x) const {
    if (a_ < LoaderFrom) return numkern::ExpExt(a_ * numkern::LnExt(x) - x) / gammaPlusOne_;
    return normFactor_ * numkern::ExpExt(-ShapeDeviance(a_, x));
}

ext GammaLowerSeries(double a, ext x) {
    ext term = 1;
    ext sum = 1;
    const std::int64_t limit = IterationLimit(std::fmax(a, Stored(x)), MaxIterations);
    for (std::int64_t n = 1;; ++n) {
        if (n > limit) return numkern::NaN;
        term *= x / (a + n);
        sum += term;
        // An infinite term never meets the stop test; a zero one ends the sum.
        if (std::isinf(term)) return numkern::NaN;
        if (!(term >= sum * kTolerance)) return sum;
    }
}

ext GammaUpperFraction(double a, ext x) {
    constexpr ext tiny = 0x1p-16000L;
    ext b = x + 1 - a;
    ext u = 1 / tiny;
    ext d = 1 / b;
    ext h = d;
    const std::int64_t limit = IterationLimit(std::fmax(a, Stored(x)), MaxIterations);
    for (std::int64_t i = 1;; ++i) {
        if (i > limit || std::isnan(h)) return numkern::NaN;
        const ext an = (i - ext(a)) * -ext(i);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny) d = tiny;
        u = b + an / u;
        if (std::fabs(u) < tiny) u = tiny;
        d = 1 / d;
        const ext del = d * u;
        h *= del;
        if (std::fabs(del - 1) < kTolerance) return h;
    }
}

GammaTails GammaShape::Lower(ext x, ext weight) const {
    if (weight == 0) return FromLower(0, 0);
    return FromLower(weight * GammaLowerSeries(a_, x), weight);
}

GammaTails GammaShape::Upper(ext x, ext weight) const {
    if (weight == 0) return FromUpper(0, 0);
    return FromUpper(a_ * weight * GammaUpperFraction(a_, x), weight);
}

// Q = 1 - e^L + e^L a S with L = a ln x - ln Gamma(1 + a) and
// S = sum_{n>=1} (-1)^(n+1) x^n / (n! (a + n)): P is near 1 here, and
// -expm1(L) keeps the small difference 1 - e^L to its last bits.
GammaTails GammaShape::SmallShapeUpper(ext x, ext lnX) const {
    const ext L = a_ * lnX - LnGammaShapePlusOne();
    ext term = -1;
    ext s = 0;
    for (int n = 1; n < 200; ++n) {
        term *= -x / n;
        const ext next = s + term / (a_ + n);
        if (next == s) break;
        s = next;
    }
    const ext eL = numkern::ExpExt(L);
    const ext q = -std::expm1(L) + eL * a_ * s;
    return FromUpper(q, eL * numkern::ExpExt(-x));
}

GammaTails GammaShape::Temme(ext x) const {
    const ext deviance = ShapeDeviance(a_, x);
    const ext expMinusD = numkern::ExpExt(-deviance);
    const ext tail = GammaTemmeTail(a_, x, deviance, expMinusD);
    const ext weight = normFactor_ * expMinusD;
    return x > a_ ? FromUpper(tail, weight) : FromLower(tail, weight);
}

GammaTails GammaShape::Tails(ext x) const {
    const ext a = a_;
    if (x < 1.1L) {
        const ext lnX = numkern::LnExt(x);
        const bool smallShape = x < 0.5L ? a * lnX > -0.4L : a < 0.75L * x;
        if (smallShape) return SmallShapeUpper(x, lnX);
        return Lower(x, Weight(x));
    }
    if (a_ >= TemmeFrom && std::fabs(x - a) < TemmeWidth * a) return Temme(x);
    if (x < a) return Lower(x, Weight(x));
    return Upper(x, Weight(x));
}

}  // namespace detail

namespace {

// Both tails at a valid point: A > 0, X > 0, neither infinite.
GammaTails TailsAt(double A, double X) { return GammaShape(A).Tails(X); }

}  // namespace

double GammaP(double A, double X) {
    if (!(A > 0)) return 0.0;
    if (!(X >= 0)) return 0.0;
    if (X == 0) return 0.0;
    if (numkern::IsInf(X)) return numkern::IsInf(A) ? numkern::NaN : 1.0;
    if (numkern::IsInf(A)) return 0.0;
    return Stored(TailsAt(A, X).P);
}

double GammaQ(double A, double X) {
    if (!(A > 0)) return 0.0;
    if (!(X >= 0)) return 0.0;
    if (X == 0) return 1.0;
    if (numkern::IsInf(X)) return numkern::IsInf(A) ? numkern::NaN : 0.0;
    if (numkern::IsInf(A)) return 1.0;
    return Stored(TailsAt(A, X).Q);
}

}  // namespace distrium
