// Shared pieces of the special functions' series and continued fractions.
// Internal to distrium.
#pragma once

#include <cmath>
#include <cstdint>

namespace distrium::detail {

using ext = long double;

// "Stored": rounded to double where the algorithms keep a value.
inline double Stored(ext V) { return static_cast<double>(V); }

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
