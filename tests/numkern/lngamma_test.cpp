// LnGamma and its pieces: accuracy against ln of factorials and half-integer
// values (mpmath loggamma, 22 digits), every regime of the algorithm, poles
// and the sign of Gamma.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "numkern/numkern.h"
#include "tests/support/accuracy.h"

namespace {

using numkern::LnGamma;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    double x;
    double want;
};

TEST(LnGamma, LogFactorials) {
    // ln((n-1)!) = LnGamma(n); mpmath log(factorial(n - 1)).
    const Case cases[] = {
        {5, 3.178053830347945619647},   {11, 15.10441257307551529523},
        {21, 42.33561646075348502966},  {31, 74.65823634883016438549},
        {51, 148.4777669517730320675},  {101, 363.7393755555634901441},
        {172, 711.7147258022900069535}, {1001, 5912.128178488163348878},
        {3, 0.6931471805599453094172},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(LnGamma(c.x), c.want, 8);
    }
}

TEST(LnGamma, HalfIntegers) {
    // mpmath loggamma(k + 1/2).
    const Case cases[] = {
        {0.5, 0.5723649429247000870717},  {1.5, -0.1207822376352452223455},
        {2.5, 0.2846828704729191596325},  {5.5, 3.957813967618716293877},
        {10.5, 13.94062521940376363316},  {20.5, 40.83150097453079810978},
        {33.5, 83.30242550295005344289},  {50.5, 146.5192554907206272219},
        {100.5, 361.4355404677776215553}, {-0.5, 1.265512123484645396489},
        {-1.5, 0.8600470153764810145109}, {-2.5, -0.05624371649767405067259},
        {-33.5, -85.669241055931674019},  {-40.5, -111.0296471573284773352},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(LnGamma(c.x), c.want, 16);
    }
}

TEST(LnGamma, EveryRegime) {
    // mpmath log(abs(gamma(x))); the comment names the branch taken.
    const Case cases[] = {
        {12.999, 19.98468854062835762661},   // shift loop down to [2, 3)
        {13, 19.98721449566188614952},       // Stirling with correction
        {3.5, 1.200973602347074224816},      // one step down
        {-2.99, 2.826122187756548119616},    // shift meets |y| <= 1/32
        {0.01, 4.599479878042021701581},     // ScaledGamma directly
        {1e-5, 11.51291969289582562562},     // ScaledGamma directly
        {-0.02, 3.923899554992223858835},    // ScaledGamma, negative set
        {-100.3, -363.7662061826762594491},  // reflection
        {1e11, 2432843602281.704972942},     // Stirling without correction
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(LnGamma(c.x), c.want, 16);
    }
}

TEST(LnGamma, ExactAndSpecialValues) {
    EXPECT_EQ(LnGamma(1), 0.0);
    EXPECT_EQ(LnGamma(2), 0.0);
    const double poles[] = {0.0, -0.0, -1, -3, -34, -35, -1e20, -DBL_MAX, -kInf, kNaN};
    for (double x : poles) {
        SCOPED_TRACE(x);
        EXPECT_EQ(LnGamma(x), -kInf);
    }
    EXPECT_EQ(LnGamma(3e305), kInf);
    EXPECT_EQ(LnGamma(DBL_MAX), kInf);
    EXPECT_EQ(LnGamma(kInf), kInf);
    // Just below the overflow threshold the value is finite.
    EXPECT_TRUE(std::isfinite(LnGamma(numkern::MaxLnGammaArg)));
}

TEST(LnGamma, TinyArgumentsDoNotOverflow) {
    // ln Gamma(x) = -ln|x| - gamma x + O(x^2) for tiny x; 1/x itself overflows
    // a double below 1/DBL_MAX, its logarithm does not.
    const double xs[] = {1e-300, 1e-308, 1e-310, 4.9e-324, -1e-310, -4.9e-324};
    for (double x : xs) {
        SCOPED_TRACE(x);
        EXPECT_NEAR_EPS(LnGamma(x), -std::log(std::fabs(x)), 4);
    }
}

TEST(LnGamma, Recurrence) {
    // ln Gamma(x + 1) = ln Gamma(x) + ln x across the regime boundaries.
    for (double x : {0.3, 1.7, 2.2, 12.5, 12.9, 33.6, 34.2, -2.7, -12.4, -33.2, -34.5}) {
        SCOPED_TRACE(x);
        const double lhs = LnGamma(x + 1);
        const double rhs = LnGamma(x) + std::log(std::fabs(x));
        EXPECT_NEAR(lhs, rhs, 1e-13 * std::fmax(1.0, std::fabs(lhs)));
    }
}

TEST(LnGammaStirling, AgreesWithLogFactorialAtItsEntry) {
    EXPECT_NEAR_EPS(numkern::LnGammaStirling(13), 19.98721449566188614952, 8);
    EXPECT_NEAR_EPS(numkern::LnGammaStirling(35), 88.58082754219767880363, 8);  // ln(34!)
}

TEST(ScaledGamma, ScaleTimesGamma) {
    // mpmath gamma(x).
    struct ScaledCase {
        double x, scale, want;
    };
    const ScaledCase cases[] = {
        {0.01, 1, 99.43258511915060163207},
        {-0.01, 1, -100.587197964410777112},
        {0.03125, 2, 2 * 31.45283517707606127304},
        {-0.03125, -0.5, -0.5 * -32.60904080181356641807},
        {0.001, 1, 999.4237724845954452983},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(numkern::ScaledGamma(c.x, c.scale), c.want, 8);
    }
}

TEST(GammaSign, Table) {
    struct SignCase {
        double x;
        int want;
    };
    const SignCase cases[] = {
        {0.5, 1},
        {4.9e-324, 1},
        {0, -1},
        {-0.0, -1},
        {-0.5, -1},
        {-1.5, 1},
        {-2.5, -1},
        {-3, 1},
        {-1e300, -1},
        {-kInf, -1},
        {kNaN, -1},
        {kInf, 1},
        // |x| beyond 2^63 truncates to the even integer indefinite.
        {-0x1p63, -1},
        {-(0x1p63 - 1024), -1},
        {-(0x1p53 - 1), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(numkern::GammaSign(c.x), c.want);
    }
}

}  // namespace
