// Small helpers shared by the continuous distribution families: the
// library-wide NaN rule and an exponential that keeps its limits.
#pragma once

#include "numkern/numkern.h"

namespace distrium::detail {

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
inline long double ExpLimit(double X) {
    if (numkern::IsInf(X)) return X < 0 ? 0.0L : static_cast<long double>(numkern::Inf);
    return numkern::Exp(X);
}

// Factor * e^X, and 0 once e^X is 0, whatever the factor: far in a tail the
// exponential decides, and an overflowed factor must not turn 0 into NaN.
inline long double ExpTimes(long double Factor, double X) {
    const long double e = ExpLimit(X);
    return e == 0 ? 0.0L : Factor * e;
}

}  // namespace distrium::detail
