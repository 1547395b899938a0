// BetaFn and BetaI: accuracy against mpmath (beta, betainc regularised,
// 40 digits), the closed forms for a unit shape, the symmetry of I_x, poles,
// the domain answers, and shapes whose continued fraction cannot converge.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/support/accuracy.h"

namespace {

using distrium::BetaFn;
using distrium::BetaI;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// 1.797693134862315e308 as a double: the value for a pole in A or B.
constexpr double kPoleValue = 1.797693134862315e308;

// Error budget in ulps for BetaI: its prefactor is exp(t) with t a sum of
// log-gammas and logarithms, each rounded to double, so the relative error
// grows with the size of those terms.
double PrefactorUlps(double x, double a, double b) {
    return 16 + 2 * (std::fabs(std::lgamma(a + b)) + std::fabs(std::lgamma(a)) +
                     std::fabs(std::lgamma(b)) + std::fabs(a * std::log(x)) +
                     std::fabs(b * std::log1p(-x)));
}

TEST(BetaFn, MatchesReference) {
    struct Case {
        double a, b, want;
    };
    // mpmath beta(a, b).
    const Case cases[] = {
        {0.5, 0.5, 3.1415926535897932385},
        {2, 3, 0.083333333333333333333},
        {-0.5, 2, -4.0},
        {0.1, 0.2, 14.599371492764829092},
        {30, 40, 1.053942460379654569e-21},
        {-2.5, 1.2, -0.26077596996197914825},
        {0.001, 1, 999.99999999999997918},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << ", " << c.b);
        // exp of a difference of log-gammas of size up to about 250.
        EXPECT_NEAR_EPS(BetaFn(c.a, c.b), c.want, 256);
    }
}

TEST(BetaFn, Poles) {
    struct Case {
        double a, b, want;
    };
    const Case cases[] = {
        {-1, 2, kPoleValue},  // A a pole, sign +1 by the parity rule
        {2, -1, kPoleValue}, {-2, 0.5, -kPoleValue}, {1, -1, 0},  // A + B = 0 is a pole
        {0, 0, 0},           {kNaN, 1, 0},  // ln Gamma(NaN) is -Inf like a pole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << ", " << c.b);
        EXPECT_EQ(BetaFn(c.a, c.b), c.want);
    }
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kPoleValue), 0x7FEFFFFFFFFFFFFBULL);
}

TEST(BetaI, MatchesReference) {
    struct Case {
        double x, a, b, want;
    };
    // mpmath betainc(a, b, 0, x, regularized=True).
    const Case cases[] = {
        {0.5, 2, 2, 0.5},
        {0.3, 2, 5, 0.57982499999999997601},
        {0.9, 5, 2, 0.88573500000000004371},
        {0.2, 1, 1, 0.2000000000000000111},
        {0.1, 0.5, 0.5, 0.20483276469913345754},
        {0.99, 0.5, 0.5, 0.93623143914148012367},
        {0.5, 10, 20, 0.96928582713007926941},
        {0.2, 30, 70, 0.0096920857490070451771},
        {0.001, 0.1, 10, 0.65966666022082501128},
        {0.7, 200, 100, 0.89115693435508984738},
        {0.4, 1000, 1500, 0.50108584887421569863},
        {0.5, 0.001, 0.001, 0.5},
        {0.05, 3.5, 0.7, 0.000014531452984502981857},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.a << ", " << c.b);
        EXPECT_NEAR_EPS(BetaI(c.x, c.a, c.b), c.want, PrefactorUlps(c.x, c.a, c.b));
    }
}

TEST(BetaI, UnitShapeClosedForms) {
    // I_x(1, b) = 1 - (1 - x)^b and I_x(a, 1) = x^a.
    for (double x : {0.01, 0.2, 0.5, 0.77, 0.999}) {
        for (double s : {0.5, 1.0, 2.0, 7.5, 40.0}) {
            SCOPED_TRACE(::testing::Message() << "x " << x << " shape " << s);
            EXPECT_NEAR_EPS(BetaI(x, 1, s), 1 - std::pow(1 - x, s), PrefactorUlps(x, 1, s));
            EXPECT_NEAR_EPS(BetaI(x, s, 1), std::pow(x, s), PrefactorUlps(x, s, 1));
        }
    }
}

TEST(BetaI, Symmetry) {
    // I_x(a, b) = 1 - I_{1-x}(b, a), with x and 1 - x both exact.
    for (double x : {0.125, 0.25, 0.5, 0.625, 0.875}) {
        for (double a : {0.7, 3.0, 25.0}) {
            SCOPED_TRACE(::testing::Message() << "x " << x << " a " << a);
            EXPECT_NEAR(BetaI(x, a, 4.5) + BetaI(1 - x, 4.5, a), 1.0, 64 * DBL_EPSILON);
        }
    }
}

TEST(BetaI, DomainAnswers) {
    struct Case {
        double x, a, b, want;
    };
    const Case cases[] = {
        {0, 2, 3, 0},      {1, 2, 3, 1},      {1.5, 2, 3, 0},     {-0.5, 2, 3, 0},
        {0.5, 0, 3, 0},    {0.5, 2, 0, 0},    {0.5, -1, 3, 0},    {kNaN, 2, 3, 0},
        {0.5, kNaN, 3, 0}, {0.5, 2, kNaN, 0}, {-0.0, 2, 3, -0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.a << ", " << c.b);
        EXPECT_EQ(BetaI(c.x, c.a, c.b), c.want);
    }
}

TEST(BetaI, HugeShapesAnswerTheirLimits) {
    struct Case {
        double x, a, b, want;
    };
    // With both shapes huge the fraction would need about sqrt(a) steps
    // (1e150 here); the uniform expansion answers at the mean, 1/2 for equal
    // shapes. With one unit shape the fraction converges at once:
    // I_x(a, 1) = x^a.
    const Case cases[] = {
        {0.5, 1e300, 1e300, 0.5}, {0.5, DBL_MAX, DBL_MAX, 0.5}, {0.3, kInf, 2, kNaN},
        {0.3, 2, kInf, kNaN},     {0.5, 1e300, 1, 0},           {0.5, 4.9e-324, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.a << ", " << c.b);
        EXPECT_NEAR_EPS(BetaI(c.x, c.a, c.b), c.want, 0);
    }
    EXPECT_TRUE(std::isnan(distrium::BetaIContFrac(1e300, 1e300, 0.5)));
    EXPECT_TRUE(std::isnan(distrium::BetaIContFrac(2, 3, kNaN)));
}

TEST(BetaI, LargeShapesNearTheMean) {
    // Beta(a, a) is symmetric about 1/2; the fraction converges there for
    // shapes far beyond any practical parameter.
    for (double a : {1e4, 1e6, 1e8, 1e9}) {
        SCOPED_TRACE(a);
        EXPECT_NEAR(BetaI(0.5, a, a), 0.5, 1e-6);
    }
}

}  // namespace
