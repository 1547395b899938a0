// Inverse of the regularised incomplete gamma ratios: x with P(a, x) = p or
// Q(a, x) = q. The tail that is the smaller one is solved, by Halley's
// method on its logarithm in u = ln x. ln P and ln Q are concave in u (the
// logarithm of a gamma variate has a log-concave density) and nearly linear
// in the far tails, where the steps are close to exact; a bracket catches
// the overshoots of the first steps. Start values after
// DiDonato and Morris (ACM TOMS 12, 1986): Wilson-Hilferty's cube of a
// normal quantile in the body, x^a / Gamma(a + 1) = p below it and
// x^(a-1) e^-x / Gamma(a) = q above it.
#include <cmath>

#include "distrium/incomplete_gamma.h"
#include "numkern/numkern.h"

namespace distrium::detail {

namespace {

// The step in u is the relative step in x; once it is this small in units
// of the spread of ln x, the next one would be below 1e-20.
constexpr ext kLastStep = 1e-7L;
constexpr int kMaxSteps = 100;
// No step moves x by more than this factor (e^8) before the bracket closes.
constexpr ext kMaxLogStep = 8;
// Below e^-11000 lies only 0 of the double range, whatever the scale.
constexpr ext kLnZero = -11000;

// The standard normal quantile z with Phi(-z) = r for 0 < r <= 1/2, to 5e-4
// (Abramowitz and Stegun 26.2.23): a start value only.
ext NormalUpperQuantile(ext lnR) {
    const ext t = std::sqrt(-2 * lnR);
    return t - (2.515517L + t * (0.802853L + t * 0.010328L)) /
                   (1 + t * (1.432788L + t * (0.189269L + t * 0.001308L)));
}

// Wilson-Hilferty: a (1 - 1/(9a) + z / (3 sqrt a))^3, or 0 where the cube
// root turns negative.
ext WilsonHilferty(ext a, ext z) {
    const ext c = 1 - 1 / (9 * a) + z / (3 * std::sqrt(a));
    return c > 0 ? a * c * c * c : 0;
}

// ln of a start value for P(a, x) = r: x^a / Gamma(a + 1) bounds P from
// above, so its root lies at or below the answer.
ext LowerStart(const GammaShape& shape, ext lnR) {
    const ext a = shape.Shape();
    const ext below = (lnR + shape.LnGammaShapePlusOne()) / a;
    const ext body = WilsonHilferty(a, -NormalUpperQuantile(lnR));
    return body > 0 ? std::fmax(below, numkern::LnExt(body)) : below;
}

// ln of a start value for Q(a, x) = r: the fixed point of
// x = -ln r - ln Gamma(a) + (a - 1) ln x (the first term of Q's asymptotic
// series), three rounds from x = a - ln r, and the Wilson-Hilferty value
// when larger (the term bounds Q from below for a >= 1).
ext UpperStart(const GammaShape& shape, ext lnR) {
    const ext a = shape.Shape();
    const ext lnGammaA = shape.LnGammaShapePlusOne() - numkern::LnExt(a);
    ext x = a - lnR;
    for (int k = 0; k < 3; ++k) {
        const ext next = -lnR - lnGammaA + (a - 1) * numkern::LnExt(x);
        if (!(next > 0)) break;
        x = next;
    }
    return numkern::LnExt(std::fmax(x, WilsonHilferty(a, NormalUpperQuantile(lnR))));
}

}  // namespace

ext GammaTailInverse(const GammaShape& shape, double p, bool Upper) {
    // Solve for the smaller tail: 1 - p is exact for p >= 1/2.
    if (p > 0.5) {
        p = 1 - p;
        Upper = !Upper;
    }
    const ext lnR = numkern::LnExt(p);
    const ext a = shape.Shape();
    ext u = Upper ? UpperStart(shape, lnR) : LowerStart(shape, lnR);
    // ln P rises with u and ln Q falls; sign turns both into rising.
    const ext sign = Upper ? -1 : 1;
    // Halley's steps shrink like their cubes once they are below the spread
    // 1 / sqrt(a) of ln x.
    const ext lastStep = kLastStep / std::fmax(1, std::sqrt(a));
    ext lo = -numkern::Inf;
    ext hi = numkern::Inf;
    for (int i = 0; i < kMaxSteps; ++i) {
        if (u < kLnZero) return 0;
        const ext x = numkern::ExpExt(u);
        const GammaTails t = shape.Tails(x);
        const ext tail = Upper ? t.Q : t.P;
        // Near the root the tail itself, relative to p, serves as well as
        // its logarithm and costs no logarithm: g = (tail - p) / p with
        // g' = a weight / p (the weight's u-derivative being
        // (a - x) weight) and g'' = g' (a - x); far from it ln(tail / p),
        // with g' = a weight / tail and g'' = g' ((a - x) - g').
        const bool nearRoot = std::fabs(tail - p) < 0.25L * p;
        const ext g = nearRoot ? sign * (tail - p) / p : sign * (numkern::LnExt(tail) - lnR);
        if (g == 0) return x;
        const ext slope = a * t.Weight / (nearRoot ? ext(p) : tail);
        const ext curve = slope * ((a - x) - (nearRoot ? 0 : sign * slope));
        ext step = -g / slope;
        const ext halley = 1 - g * curve / (2 * slope * slope);
        if (halley > 0.5L && halley < 2) step /= halley;
        if (std::isnan(step)) {
            // The tail or the weight underflowed: the root lies towards the
            // body, above for P and below for Q.
            (Upper ? hi : lo) = u;
            step = Upper ? -kMaxLogStep : kMaxLogStep;
        } else {
            (g > 0 ? hi : lo) = u;
        }
        step = std::fmax(-kMaxLogStep, std::fmin(kMaxLogStep, step));
        const ext next = u + step;
        // A step below the resolution of u leaves it where it is.
        if (std::fabs(next - u) < lastStep) return numkern::ExpExt(next);
        // Only a step past the last iterate's other side can leave the
        // bracket, so both its ends are finite here.
        u = next > lo && next < hi ? next : (lo + hi) / 2;
    }
    return numkern::ExpExt(u);
}

}  // namespace distrium::detail
