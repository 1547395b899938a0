// Helpers of the discrete distributions: reducing a point to a 32-bit
// integer without an undefined conversion, and walking the masses of a
// unimodal distribution upward, the way the summing CDFs and the walking
// inverses add them into a double, without visiting the points that cannot
// change the sum:
//  - below the mode the masses do not decrease, so the leading points whose
//    mass is exactly 0 are skipped by bisection, and on a long walk also
//    those whose masses together lie below the last bit of what the sum
//    is compared with;
//  - past the mode they decrease, so once a mass no longer changes the
//    running sum no later one does, and the walk stops there;
//  - the first kExactSteps masses come from the distribution's own mass
//    function, so that small cases add exactly what its PDF returns; further
//    masses are carried by the ratio m(k+1)/m(k) and re-anchored on the mass
//    function every kAnchorStride steps, so that a walk across millions of
//    points stays within a fraction of a second;
//  - a walk that would need more than kMaxWalkSteps steps gives up.
//
// A distribution for the walk provides, for a whole k >= 0 given as a
// double: Mass(k), the mass in extended precision as its PDF computes it
// before the final rounding; Ratio(k) = m(k+1) / m(k); and Mode(), up to
// which the masses do not decrease and after which they decrease.
#pragma once

#include <algorithm>
#include <cmath>

#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium::detail {

// Whether x truncated toward zero is a 32-bit integer (false for NaN and
// the infinities).
inline bool TruncFitsInt32(double x) { return x > -2147483649.0 && x < 2147483648.0; }

inline constexpr long kExactSteps = 20000;
inline constexpr long kAnchorStride = 64;
inline constexpr long kMaxWalkSteps = 1L << 21;

// Points from here on are beyond any walk; below it k + 1 is exact.
inline constexpr double kFarPoint = 4503599627370496.0;  // 2^52

template <class Dist>
class MassWalk {
public:
    MassWalk(const Dist& d, double k) : d_(d), k_(k), m_(d.Mass(k)) {}

    double K() const { return k_; }
    double Mass() const { return Stored(m_); }

    // Moves to the next point; false once the step budget is spent.
    bool Next() {
        if (++steps_ > kMaxWalkSteps) return false;
        if (steps_ <= kExactSteps || steps_ % kAnchorStride == 0) {
            k_ += 1;
            m_ = d_.Mass(k_);
        } else {
            m_ *= d_.Ratio(k_);
            k_ += 1;
        }
        return true;
    }

private:
    const Dist& d_;
    double k_;
    long double m_;
    long steps_ = 0;
};

// The first point of [lo, hi] whose mass (rounded to double) is not 0, or -1
// when there is none; the masses must not decrease on [lo, hi]. A NaN mass
// counts as not 0, so that the walk meets it and fails.
template <class Dist>
double FirstNonZero(const Dist& d, double lo, double hi) {
    if (!(lo <= hi)) return -1;
    if (Stored(d.Mass(lo)) != 0) return lo;
    if (Stored(d.Mass(hi)) == 0) return -1;
    double zero = lo;
    double nonzero = hi;
    while (nonzero - zero > 1) {
        const double mid = std::floor(zero + (nonzero - zero) / 2);
        if (mid <= zero || mid >= nonzero) break;
        (Stored(d.Mass(mid)) != 0 ? nonzero : zero) = mid;
    }
    return nonzero;
}

enum class WalkEnd {
    Reached,  // the running sum met the target at k
    AtLast,   // the walk arrived at the last point without meeting it
    Settled,  // past the mode the sum stopped growing below the target at k
    AllZero,  // every mass is 0
    Failed,   // too many steps, or a mass without a value
};

struct WalkStop {
    double k;
    double sum;
    WalkEnd end;
};

// The masses before k sum to at most m(k) rho / (1 - rho) with
// rho = m(k-1) / m(k): below the mode the ratio m(j-1) / m(j) grows with j
// (the masses of these laws are log-concave), so the lead is bounded by a
// geometric series. The last point of [k0, hi] where that bound stays within
// limit, or k0 when none does.
template <class Dist>
double NegligibleLeadEnd(const Dist& d, double k0, double hi, long double limit) {
    const auto negligible = [&](double k) {
        const long double rho = 1 / d.Ratio(k - 1);
        return rho < 1 && d.Mass(k) * rho / (1 - rho) <= limit;
    };
    if (!negligible(k0)) return k0;
    if (negligible(hi)) return hi;
    double yes = k0;
    double no = hi;
    while (no - yes > 1) {
        const double mid = std::floor(yes + (no - yes) / 2);
        if (mid <= yes || mid >= no) break;
        (negligible(mid) ? yes : no) = mid;
    }
    return yes;
}

// Adds the masses at lo, lo + 1, ..., last into a double, each sum formed in
// extended precision and stored, until reached(sum) holds. reached must be
// monotone in the sum and compare it with target (+Inf for a plain sum up to
// last). A walk longer than kExactSteps up to the mode leaves out the leading
// masses whose total is below 2^-70 of target (of the mass at the last point
// below the mode, for a plain sum): they cannot change the comparison, nor
// the sum by more than its last bit.
template <class Dist, class Reached>
WalkStop WalkMasses(const Dist& d, double lo, double last, double target, Reached reached) {
    const double fullMode = std::max(d.Mode(), lo);
    const double mode = std::min(fullMode, kFarPoint);
    const double hi = std::min(last, mode);
    double k0 = FirstNonZero(d, lo, hi);
    if (reached(0.0) && k0 != lo) return {lo, 0, WalkEnd::Reached};
    if (k0 < 0) {
        if (last <= mode) return {last, 0, WalkEnd::AtLast};
        // A zero mass at a mode beyond reach says nothing about the masses there.
        if (fullMode > kFarPoint) return {mode, 0, WalkEnd::Failed};
        return {mode, 0, WalkEnd::AllZero};
    }
    if (hi - k0 > kExactSteps) {
        const long double scale = std::isfinite(target) ? target : d.Mass(hi);
        k0 = NegligibleLeadEnd(d, k0, hi, scale * 0x1p-70L);
    }
    MassWalk<Dist> walk(d, k0);
    double s = walk.Mass();
    if (!std::isfinite(s)) return {k0, s, WalkEnd::Failed};
    if (reached(s)) return {k0, s, WalkEnd::Reached};
    while (walk.K() < last) {
        if (!walk.Next()) return {walk.K(), s, WalkEnd::Failed};
        const double m = walk.Mass();
        if (!std::isfinite(m)) return {walk.K(), s, WalkEnd::Failed};
        const double t = Stored(static_cast<long double>(s) + m);
        if (t == s && walk.K() > mode) return {walk.K(), s, WalkEnd::Settled};
        s = t;
        if (reached(s)) return {walk.K(), s, WalkEnd::Reached};
    }
    return {walk.K(), s, WalkEnd::AtLast};
}

// The quantile a walk bounded by the top of the support answers: the point
// where the sum reached the probability; the top where it did not (the walk
// would have gone on to it); NaN for a failed walk.
inline double BoundedQuantile(const WalkStop& stop, double top) {
    switch (stop.end) {
        case WalkEnd::Reached:
            return stop.k;
        case WalkEnd::Failed:
            return numkern::NaN;
        default:
            return top;
    }
}

// The quantile an unbounded walk answers: the point where the sum reached the
// probability or stopped growing below it; allZero when every mass is 0; NaN
// for a failed walk.
inline double UnboundedQuantile(const WalkStop& stop, double allZero) {
    switch (stop.end) {
        case WalkEnd::Reached:
        case WalkEnd::Settled:
            return stop.k;
        case WalkEnd::AllZero:
            return allZero;
        default:
            return numkern::NaN;
    }
}

// The plain sum of the masses at lo..last, NaN when the walk fails.
template <class Dist>
double SumMasses(const Dist& d, double lo, double last) {
    const WalkStop stop = WalkMasses(d, lo, last, numkern::Inf, [](double) { return false; });
    return stop.end == WalkEnd::Failed ? numkern::NaN : stop.sum;
}

}  // namespace distrium::detail
