// Accuracy helpers: errors measured in units of machine epsilon, with NaN
// matching NaN and an infinity matching the same infinity.
#pragma once

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace testsupport {

// |got - want| / |want| in units of DBL_EPSILON (absolute error when want
// is 0); 0 for two NaNs or two equal infinities, +Inf for any other
// mismatch of special values.
inline double ErrorInEps(double got, double want) {
    if (std::isnan(got) || std::isnan(want))
        return std::isnan(got) && std::isnan(want) ? 0.0 : INFINITY;
    if (std::isinf(got) || std::isinf(want)) return got == want ? 0.0 : INFINITY;
    const double scale = want == 0.0 ? 1.0 : std::fabs(want);
    return std::fabs(got - want) / scale / std::numeric_limits<double>::epsilon();
}

inline ::testing::AssertionResult WithinEps(double got, double want, double eps) {
    const double err = ErrorInEps(got, want);
    if (err <= eps) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got << ", want " << want << ": error " << err
                                         << " eps (limit " << eps << ")";
}

inline ::testing::AssertionResult WithinRel(double got, double want, double rel) {
    return WithinEps(got, want, rel / std::numeric_limits<double>::epsilon());
}

}  // namespace testsupport

// EXPECT_NEAR_EPS(got, want, eps): relative error within eps units of
// DBL_EPSILON; NaN matches NaN.
#define EXPECT_NEAR_EPS(got, want, eps) EXPECT_TRUE(::testsupport::WithinEps((got), (want), (eps)))
#define EXPECT_NEAR_REL(got, want, rel) EXPECT_TRUE(::testsupport::WithinRel((got), (want), (rel)))
