// IntPower and Power: the special cases their callers rely on (a negative
// base of Power is NaN, Power(NaN, 0) = 1, IntPower(0, -1) = +Inf) and
// accuracy against exactly known powers.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "numkern/numkern.h"
#include "tests/support/accuracy.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(IntPower, Table) {
    struct Case {
        double base;
        int exponent;
        double want;
    };
    const Case cases[] = {
        {-2, 3, -8},          {2, -2, 0.25},         {0, 0, 1},
        {0, -1, kInf},        {kNaN, 0, 1},          {3, 1, 3},
        {3, 13, 1594323},     {-1, INT_MAX, -1},     {-1, INT_MIN, 1},
        {2, 1023, 0x1p1023},  {2, -1074, 0x1p-1074}, {2, 1024, kInf},
        {0.5, INT_MIN, kInf}, {2, INT_MIN, 0},       {1.5, 2, 2.25},
        {kNaN, 2, kNaN},      {-kInf, 3, -kInf},     {10, 22, 1e22},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.base << "^" << c.exponent);
        EXPECT_NEAR_EPS(static_cast<double>(numkern::IntPower(c.base, c.exponent)), c.want, 0);
    }
}

TEST(IntPower, NegativeExponentIsReciprocalOfProduct) {
    // 1/(3^5) rounded once, not a product of five rounded thirds.
    EXPECT_EQ(numkern::IntPower(3, -5), 1.0L / 243.0L);
}

TEST(Power, SpecialCasesInOrder) {
    struct Case {
        double base, exponent, want;
    };
    const Case cases[] = {
        {2, 0, 1},        {kNaN, 0, 1},        {-5, 0, 1},       {0, kNaN, 1},
        {3, kNaN, 1},     {0, 3, 0},           {kNaN, 3, 0},     {0, -3, kInf},
        {kNaN, -3, kInf}, {-8, 1.0 / 3, kNaN}, {-2, 2, kNaN},    {4, 0.5, 2},
        {kInf, 2, kNaN},  {2, kInf, kNaN},     {2, -kInf, kNaN}, {-0.0, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.base << "^" << c.exponent);
        EXPECT_NEAR_EPS(static_cast<double>(numkern::Power(c.base, c.exponent)), c.want, 0);
    }
}

TEST(Power, ZeroBaseNegativeExponentIsTheKernelInf) {
    EXPECT_TRUE(numkern::SameFloat(static_cast<double>(numkern::Power(0, -0.5)), numkern::Inf));
    EXPECT_GT(numkern::Power(0, -0.5), 0);
}

TEST(Power, Accuracy) {
    struct Case {
        double base, exponent, want;
    };
    // Exactly representable results, and 10^0.5 = sqrt(10) to 17 digits.
    const Case cases[] = {
        {2, 10, 1024},     {10, 3, 1000},          {9, 0.5, 3},
        {27, 1.0 / 3, 3},  {2, -3, 0.125},         {10, 0.5, 3.1622776601683794},
        {1e10, 30, 1e300}, {0.5, 1074, 0x1p-1074},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.base << "^" << c.exponent);
        EXPECT_NEAR_EPS(static_cast<double>(numkern::Power(c.base, c.exponent)), c.want, 4);
    }
    EXPECT_EQ(static_cast<double>(numkern::Power(10, 400)), kInf);
    EXPECT_EQ(static_cast<double>(numkern::Power(10, -400)), 0);
}

}  // namespace
