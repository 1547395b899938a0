// Helpers of the discrete distributions: reading a point as a whole number,
// a standard normal deviate for a starting guess, and the quantile search.
// A quantile starts from a normal or Cornish-Fisher guess and steps outward
// by 1, 2, 4, ... until the answer is bracketed, then bisects, so that it
// costs a few evaluations of the distribution function at any size of the
// law (Cornish-Fisher guesses are within a few units in the body). Where the
// law's masses are at hand, one tail at the guess and a walk over the
// neighbouring masses take the place of most of those evaluations.
// Internal to distrium.
#pragma once

#include <algorithm>
#include <cmath>

#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium::detail {

// x, or the whole number it lies within 4 units of 2^-52 max(1, |r|) of:
// a grid point a + i h lands a few ulps off the whole number it stands for,
// and 2.0000000000000004 must not turn a mass into 0 or a CDF into the one
// below.
inline double SnapWhole(double x) {
    const double r = std::nearbyint(x);
    return std::fabs(x - r) <= 4 * numkern::Eps * std::fmax(1.0, std::fabs(r)) ? r : x;
}

// The whole number a distribution function reads at x: floor(x), snapped.
inline double WholeFloor(double x) { return std::floor(SnapWhole(x)); }

// z with P(Z > z) = p, for 0 < p <= 1/2: formula 26.2.23 of Abramowitz and
// Stegun (error below 4.5e-4), then up to two Halley steps on erfc, each of
// which at least cubes the error. Where the density underflows (p below
// about 1e-300) the rational value stays; a guess a few units off costs the
// search a few more steps.
inline double UpperNormalDeviateHalf(double p, int steps) {
    const double t = std::sqrt(-2 * std::log(p));
    double z = t - (2.515517 + t * (0.802853 + t * 0.010328)) /
                       (1 + t * (1.432788 + t * (0.189269 + t * 0.001308)));
    constexpr double invSqrt2Pi = 0.3989422804014327;
    for (int step = 0; step < steps; ++step) {
        const double density = invSqrt2Pi * std::exp(-z * z / 2);
        if (!(density > 0)) break;
        const double u = (0.5 * std::erfc(z * numkern::InvSqrt2) - p) / density;
        z += u / (1 - u * z / 2);
    }
    return z;
}

// z with P(Z <= z) = p, or P(Z > z) = p when Upper, for 0 < p < 1.
inline double NormalDeviate(double p, bool Upper, int steps) {
    const double sign = Upper ? 1 : -1;
    if (p > 0.5) return -sign * UpperNormalDeviateHalf(1 - p, steps);
    return sign * UpperNormalDeviateHalf(p, steps);
}

// The Cornish-Fisher guess mean + sd (z + skew (z^2 - 1) / 6) for the
// quantile of a law with that mean, standard deviation and skewness, z the
// deviate of p in the tail asked for, rounded to whole. The deviate is
// refined only as far as the spread needs: its error times sd is what the
// search walks, and below a spread of 1000 the first approximation is
// within a unit or two.
inline double CornishFisherGuess(double p, bool Upper, double mean, double sd, double skew) {
    const int steps = sd < 1e3 ? 0 : sd < 1e8 ? 1 : 2;
    const double z = NormalDeviate(p, Upper, steps);
    return std::floor(mean + sd * (z + skew * (z * z - 1) / 6) + 0.5);
}

// The smallest whole k in [lo, hi] with reached(value(k)), where reached is
// monotone in k and holds at hi (hi = +Inf for an unbounded law: the answer
// is +Inf when no finite k reaches). The search starts at guess, steps
// outward by doubling steps until the answer is bracketed, then bisects;
// beyond 2^53, where whole numbers are sparse, it ends when no double lies
// between the bracket. A NaN value answers NaN: the distribution has no
// value there.
template <class Value, class Reached>
double SmallestReaching(const Value& value, const Reached& reached, double guess, double lo,
                        double hi) {
    enum { No, Yes, Undefined };
    const auto test = [&](double k) {
        const double v = value(k);
        if (std::isnan(v)) return Undefined;
        return reached(v) ? Yes : No;
    };
    double k = std::isfinite(guess) ? std::clamp(guess, lo, hi) : lo;
    if (!std::isfinite(k)) k = lo;
    double yes;
    double no;
    const auto at = test(k);
    if (at == Undefined) return numkern::NaN;
    if (at == Yes) {
        yes = k;
        for (double step = 1;; step *= 2) {
            if (yes <= lo) return lo;
            const double t = std::fmax(yes - step, lo);
            if (t >= yes) continue;  // a step below the spacing of the doubles here
            const auto r = test(t);
            if (r == Undefined) return numkern::NaN;
            if (r == No) {
                no = t;
                break;
            }
            yes = t;
        }
    } else {
        no = k;
        for (double step = 1;; step *= 2) {
            if (no >= hi) return hi;
            const double t = std::fmin(no + step, hi);
            if (!std::isfinite(t)) return t;
            if (t <= no) continue;
            const auto r = test(t);
            if (r == Undefined) return numkern::NaN;
            if (r == Yes) {
                yes = t;
                break;
            }
            no = t;
        }
    }
    while (yes - no > 1) {
        const double mid = std::floor(no + (yes - no) / 2);
        if (mid <= no || mid >= yes) break;
        const auto r = test(mid);
        if (r == Undefined) return numkern::NaN;
        (r == Yes ? yes : no) = mid;
    }
    return yes;
}

// SmallestReaching for a law's tail, P(X <= k) >= prob or, when Upper,
// P(X > k) <= prob, from one tail at the guess and the masses next to it:
// tail(k, mass) is the tail at a whole k, leaving the mass at k in *mass
// unless mass is null (most tails form it on the way), and upRatio(k) the
// ratio of the mass at k + 1 to that at k. Each step costs a multiplication instead of a tail,
// and the guesses land within a few units. The walked values differ from
// the tail function's own by a few ulps of the largest of them; where one
// comes within a wide margin of prob (2^-30 of that size, wider than the
// tails' own error anywhere), where a mass nears underflow, or where the walk
// goes far or past 2^52, the search goes on from there on the tail itself,
// so the answer is the one SmallestReaching gives.
template <class Tail, class UpRatio>
double SmallestReachingByMasses(const Tail& tail, const UpRatio& upRatio, double prob, bool Upper,
                                double guess, double lo, double hi) {
    const auto reached = [=](ext v) { return Upper ? v <= prob : v >= prob; };
    const auto search = [&](double from) {
        return SmallestReaching([&](double j) { return tail(j, nullptr); }, reached, from, lo, hi);
    };
    constexpr double WalkEnd = 0x1p52;
    constexpr int MaxSteps = 64;
    // Masses come through the double exponential, which keeps its digits
    // down to here only.
    constexpr ext MinWalkedMass = 1e-300L;
    double k = std::isfinite(guess) ? std::clamp(guess, lo, hi) : lo;
    if (!(std::fabs(k) < WalkEnd)) return search(k);
    ext m = 0;
    const double start = tail(k, &m);
    if (std::isnan(start)) return numkern::NaN;
    ext value = start;
    ext walked = 0;
    // The sign a mass above k carries into the value at k.
    const ext sign = Upper ? -1 : 1;
    const auto clear = [&](ext v) { return std::fabs(v - prob) > 0x1p-30L * (start + walked); };
    if (!clear(value)) return search(k);
    if (reached(value)) {
        for (int step = 0; step < MaxSteps; ++step) {
            if (k <= lo) return lo;
            if (!(m > MinWalkedMass)) break;
            const ext below = value - sign * m;
            walked += m;
            if (!clear(below)) return search(k);
            if (!reached(below)) return k;
            m /= upRatio(k - 1);
            --k;
            value = below;
        }
    } else {
        for (int step = 0; step < MaxSteps; ++step) {
            if (k >= hi || !(k < WalkEnd)) break;
            m *= upRatio(k);
            if (!(m > MinWalkedMass)) break;
            ++k;
            value += sign * m;
            walked += m;
            if (!clear(value)) return search(k);
            if (reached(value)) return k;
        }
    }
    return search(k);
}

}  // namespace distrium::detail
