// The helpers every file of the library shares: the extended type and the
// "stored" rounding, the NaN rule, exponentials that keep their limits, the
// iteration bound of the series and fractions, and the quantile's handling
// of p at and beyond 0 and 1. Internal to distrium.
#pragma once

#include <cmath>
#include <cstdint>

#include "numkern/numkern.h"

namespace distrium::detail {

// Expressions compute in extended precision (64-bit significand).
using ext = long double;

// "Stored": rounded to double where the algorithms keep a value.
inline double Stored(ext V) { return static_cast<double>(V); }

// NaN in any argument answers NaN before any domain test: the comparisons of
// those tests are all false for NaN, so without this a NaN parameter would
// slip through to a plausible-looking number.
template <typename... Args>
inline bool AnyNaN(Args... args) {
    return (numkern::IsNaN(args) || ...);
}

// e^X with the limits 0 and +Inf at X = -Inf and +Inf. The kernel's Exp
// answers NaN at the infinities (its power-of-two split subtracts infinity
// from infinity), but an exponent that overflowed the double range in a
// density or a distribution function stands for a plain 0 or infinity.
inline ext ExpLimit(double X) {
    if (numkern::IsInf(X)) return X < 0 ? 0.0L : static_cast<ext>(numkern::Inf);
    return numkern::Exp(X);
}

// Factor * e^X, and 0 once e^X is 0, whatever the factor: far in a tail the
// exponential decides, and an overflowed factor must not turn 0 into NaN.
inline ext ExpTimes(ext Factor, double X) {
    const ext e = ExpLimit(X);
    return e == 0 ? 0.0L : Factor * e;
}

// A probability argument outside [0, 1] has no quantile (NaN is caught
// earlier by AnyNaN).
inline bool OutsideUnit(double p) { return p < 0 || p > 1; }

// Iteration bound of the incomplete gamma and beta evaluations. Near their
// switch points the gamma series needs about 9 sqrt(a) terms for a large
// shape a (its terms decay like exp(-n^2 / 2a)), the fractions fewer, so the
// bound grows with sqrt(a), well beyond that. Cap keeps one evaluation within
// a few milliseconds, since the Newton inverses call it a hundred times per
// answer.
inline std::int64_t IterationLimit(double LargestShape, std::int64_t Cap) {
    constexpr double Base = 1000;
    constexpr double PerRootShape = 20;
    const double limit = Base + PerRootShape * std::sqrt(std::fabs(LargestShape));
    // NaN compares false and takes the cap.
    return limit < static_cast<double>(Cap) ? static_cast<std::int64_t>(limit) : Cap;
}

}  // namespace distrium::detail
