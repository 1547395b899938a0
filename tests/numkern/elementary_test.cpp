// Exp, Ln, the trigonometric functions and ReduceAngle: accuracy against
// 22-digit references (mpmath, 40 digits working precision) and the IEEE
// special cases that callers depend on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numkern/numkern.h"
#include "tests/support/accuracy.h"

namespace {

using numkern::Exp;
using numkern::Ln;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    double x;
    double want;
};

TEST(Exp, MatchesReferenceWhenRoundedToDouble) {
    // mpmath exp(x), 22 digits.
    const Case cases[] = {
        {1, 2.71828182845904523536},         {-1, 0.3678794411714423215955},
        {0.5, 1.648721270700128146849},      {10, 22026.46579480671651696},
        {-10, 4.539992976248485153559e-5},   {100, 2.688117141816135448413e+43},
        {-100, 3.72007597602083596296e-44},  {700, 1.014232054735004509455e+304},
        {709, 8.218407461554972189241e+307}, {-700, 9.859676543759770856705e-305},
        {1e-10, 1.000000000100000000005},    {0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(static_cast<double>(Exp(c.x)), c.want, 1);
    }
}

TEST(Exp, SpecialValues) {
    // Inf - Inf in the power-of-two split makes both infinities NaN.
    EXPECT_TRUE(std::isnan(static_cast<double>(Exp(kInf))));
    EXPECT_TRUE(std::isnan(static_cast<double>(Exp(-kInf))));
    EXPECT_TRUE(std::isnan(static_cast<double>(Exp(kNaN))));
    // Finite in extended precision, out of double range once stored.
    EXPECT_EQ(static_cast<double>(Exp(710)), kInf);
    EXPECT_GT(Exp(710), 1e308L);
    EXPECT_EQ(static_cast<double>(Exp(-800)), 0.0);
    EXPECT_EQ(static_cast<double>(Exp(1e300)), kInf);
    EXPECT_EQ(static_cast<double>(Exp(-1e300)), 0.0);
    EXPECT_EQ(static_cast<double>(Exp(std::numeric_limits<double>::max())), kInf);
    // The subnormal range is reached, not flushed.
    EXPECT_NEAR_REL(static_cast<double>(Exp(-740)), 4.1995579896506e-322, 1e-2);
}

TEST(Exp, AgreesWithLibraryToTheLastBit) {
    // Two independent extended-precision routes (x87 split versus glibc's
    // expl) must round to the same double across the whole range.
    for (double x = -740; x <= 709; x += 0.731) {
        SCOPED_TRACE(x);
        EXPECT_NEAR_EPS(static_cast<double>(Exp(x)),
                        static_cast<double>(std::exp(static_cast<long double>(x))), 1);
    }
}

TEST(Ln, MatchesReference) {
    // mpmath log(x), 22 digits.
    const Case cases[] = {
        {2, 0.6931471805599453094172},
        {10, 2.302585092994045684018},
        {0.5, -0.6931471805599453094172},
        {1e-300, -690.7755278982137051803},
        {1e300, 690.7755278982137052579},
        {7, 1.945910149055313305105},
        {1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(static_cast<double>(Ln(c.x)), c.want, 1);
    }
}

TEST(Ln, SpecialValues) {
    EXPECT_EQ(static_cast<double>(Ln(0.0)), -kInf);
    EXPECT_EQ(static_cast<double>(Ln(-0.0)), -kInf);
    EXPECT_TRUE(std::isnan(static_cast<double>(Ln(-1))));
    EXPECT_TRUE(std::isnan(static_cast<double>(Ln(-kInf))));
    EXPECT_TRUE(std::isnan(static_cast<double>(Ln(kNaN))));
    EXPECT_EQ(static_cast<double>(Ln(kInf)), kInf);
    // Subnormal arguments keep their full logarithm: ln(2^-1074).
    EXPECT_NEAR_EPS(static_cast<double>(Ln(4.9e-324)), -744.4400719213812, 2);
}

TEST(Ln, ExpInvertsIt) {
    for (double x : {1e-200, 1e-5, 0.3, 1.5, 42.0, 1e5, 1e200}) {
        SCOPED_TRACE(x);
        // Rounding ln x to double costs |ln x| units in the last place of x.
        EXPECT_NEAR_EPS(static_cast<double>(Exp(static_cast<double>(Ln(x)))), x,
                        std::fabs(std::log(x)) + 2);
    }
}

TEST(Trigonometry, KnownValues) {
    const double pi = numkern::Pi;
    struct TrigCase {
        const char* what;
        long double got;
        double want;
    };
    const TrigCase cases[] = {
        {"Sin(pi/6)", numkern::Sin(pi / 6), 0.5},
        {"Sin(-pi/2)", numkern::Sin(-pi / 2), -1},
        {"Tan(pi/4)", numkern::Tan(pi / 4), 1},
        {"ArcTan(1)", numkern::ArcTan(1), pi / 4},
        {"ArcTan(-Inf)", numkern::ArcTan(-kInf), -pi / 2},
        {"ArcTan2(1, -1)", numkern::ArcTan2(1, -1), 3 * pi / 4},
        {"ArcTan2(-0.0, -1)", numkern::ArcTan2(-0.0, -1), -pi},
        {"ArcTan2(0, 0)", numkern::ArcTan2(0, 0), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR_EPS(static_cast<double>(c.got), c.want, 2);
    }
    EXPECT_TRUE(std::isnan(static_cast<double>(numkern::Sin(kInf))));
    EXPECT_TRUE(std::isnan(static_cast<double>(numkern::Tan(kNaN))));
}

TEST(ReduceAngle, TruncatesTowardZero) {
    // 2 pi to 25 digits: 6.283185307179586476925287.
    const long double twoPi = 6.283185307179586476925287L;
    const Case cases[] = {
        {7, static_cast<double>(7 - twoPi)},
        {-7, static_cast<double>(-7 + twoPi)},
        {100, static_cast<double>(100 - 15 * twoPi)},
        {-100, static_cast<double>(-100 + 15 * twoPi)},
        {1, 1},
        {-0.5, -0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(static_cast<double>(numkern::ReduceAngle(c.x)), c.want, 4);
    }
    EXPECT_NEAR(static_cast<double>(numkern::ReduceAngle(7)), 0.7168146928204138, 1e-15);
    EXPECT_TRUE(std::isnan(static_cast<double>(numkern::ReduceAngle(kInf))));
}

}  // namespace
