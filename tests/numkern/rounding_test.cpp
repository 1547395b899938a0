// Ceil, Floor, Min and Sign, including the x87 integer indefinite for
// values outside the 32-bit range and the comparisons with NaN.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numkern/numkern.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kIndefinite = INT32_MIN;

TEST(CeilFloor, Table) {
    struct Case {
        double x;
        std::int32_t ceil, floor;
    };
    const Case cases[] = {
        {2.1, 3, 2},
        {-2.1, -2, -3},
        {2, 2, 2},
        {2.9, 3, 2},
        {-0.0, 0, 0},
        {4.9e-324, 1, 0},
        {-4.9e-324, 0, -1},
        {2147483647.0, INT32_MAX, INT32_MAX},
        {2147483646.5, INT32_MAX, 2147483646},
        {2147483647.5, kIndefinite, INT32_MAX},
        {-2147483648.0, INT32_MIN, INT32_MIN},
        {-2147483647.5, -2147483647, INT32_MIN},
        {-2147483648.5, INT32_MIN, kIndefinite},
        {1e300, kIndefinite, kIndefinite},
        {-DBL_MAX, kIndefinite, kIndefinite},
        {kInf, kIndefinite, kIndefinite},
        {-kInf, kIndefinite, kIndefinite},
        {kNaN, kIndefinite, kIndefinite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(numkern::Ceil(c.x), c.ceil);
        EXPECT_EQ(numkern::Floor(c.x), c.floor);
    }
}

TEST(Min, ReturnsFirstUnlessGreater) {
    EXPECT_EQ(numkern::Min(1, kNaN), 1);
    EXPECT_TRUE(std::isnan(numkern::Min(kNaN, 1)));
    EXPECT_EQ(numkern::Min(5, 3), 3);
    EXPECT_EQ(numkern::Min(-kInf, 3), -kInf);
    // Equal values: the first one, recognisable by its sign.
    EXPECT_TRUE(std::signbit(numkern::Min(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(numkern::Min(0.0, -0.0)));
}

TEST(Sign, Table) {
    struct Case {
        double x;
        std::int32_t want;
    };
    const Case cases[] = {{-0.0, 0}, {0.0, 0},  {kNaN, 0},   {4.9e-324, 1},
                          {-3, -1},  {kInf, 1}, {-kInf, -1}, {-4.9e-324, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(numkern::Sign(c.x), c.want);
    }
}

}  // namespace
