// Beta distribution: domain and boundary answers, density and CDF against
// closed forms, and the Newton inverse: round trips, symmetry, its
// iteration limit and a step that turns NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::Inf;
using numkern::NaN;

TEST(BetaFamily, DomainAndBoundaryValues) {
    CheckAll({
        CASE(BetaPDF(-0.1, 2, 3), NaN),
        CASE(BetaPDF(1.1, 2, 3), NaN),
        CASE(BetaPDF(0.5, 0, 3), NaN),
        CASE(BetaPDF(0.5, 2, -1), NaN),
        CASE(BetaPDF(0, 0.5, 2), Inf),
        CASE(BetaPDF(1, 2, 0.5), Inf),
        // The ends belong to the support: 0 for a positive exponent, the
        // normalising constant 1 / B(a, b) for exponent 0. Beta(1, 2) has
        // density 2 (1 - x), Beta(1, 0.2) density 0.2 (1 - x)^-0.8.
        CASE(BetaPDF(0, 2, 2), 0),
        CASE(BetaPDF(1, 2, 3), 0),
        CASE(BetaPDF(0, 1, 1), 1),
        CASE(BetaPDF(1, 1, 1), 1),
        CASE(BetaCDF(-3, 2, 3), 0),
        CASE(BetaCDF(0, 2, 3), 0),
        CASE(BetaCDF(1, 2, 3), 1),
        CASE(BetaCDF(7, 2, 3), 1),
        CASE(BetaCDF(0.5, 0, 3), NaN),
        CASE(BetaCDF(0.5, 2, -3), NaN),
        CASE(BetaCDFInv(0, 2, 3), 0),
        CASE(BetaCDFInv(1, 2, 3), 1),
        CASE(BetaCDFInv(-0.1, 2, 3), NaN),
        CASE(BetaCDFInv(1.1, 2, 3), NaN),
        CASE(BetaCDFInv(0.5, 0, 3), NaN),
        CASE(BetaCDFInv(0.5, 2, 0), NaN),
        CASE(BetaPDF(NaN, 2, 3), NaN),
        CASE(BetaCDF(NaN, 2, 3), NaN),
        CASE(BetaCDF(0.5, NaN, 3), NaN),
        CASE(BetaCDFInv(NaN, 2, 3), NaN),
        CASE(BetaCDFInv(0, 2, NaN), NaN),
    });
    // The normalising constant comes through e^(ln-gamma terms): a few eps.
    CheckAll(
        {
            CASE(BetaPDF(0, 1, 2), 2),
            CASE(BetaPDF(0, 1, 0.2), 0.2),
            CASE(BetaPDF(1, 3, 1), 3),
        },
        4);
}

TEST(BetaFamily, DensityMatchesClosedForms) {
    struct Case {
        double x, a, b, want;
    };
    const double xs[] = {1e-6, 0.01, 0.2, 0.5, 0.77, 0.999};
    for (double x : xs) {
        const Case cases[] = {
            {x, 1, 1, 1},
            {x, 2, 3, 12 * x * (1 - x) * (1 - x)},                      // 1 / B(2, 3) = 12
            {x, 0.5, 0.5, 1 / (numkern::Pi * std::sqrt(x * (1 - x)))},  // arcsine law
            {x, 1, 4, 4 * std::pow(1 - x, 3)},
            {x, 5, 1, 5 * std::pow(x, 4)},
        };
        for (const Case& c : cases)
            EXPECT_NEAR_REL(BetaPDF(c.x, c.a, c.b), c.want, 1e-13)
                << "BetaPDF(" << c.x << ", " << c.a << ", " << c.b << ")";
    }
}

TEST(BetaFamily, DistributionMatchesClosedForms) {
    for (double x : {1e-4, 0.05, 0.3, 0.5, 0.8, 0.9999}) {
        // I_x(2, 3) = 6x^2 - 8x^3 + 3x^4; I_x(1, b) = 1 - (1-x)^b; I_x(a, 1) = x^a.
        const double poly = x * x * (6 - 8 * x + 3 * x * x);
        EXPECT_NEAR_REL(BetaCDF(x, 2, 3), poly, 1e-14) << x;
        EXPECT_NEAR_REL(BetaCDF(x, 1, 3.5), -std::expm1(3.5 * std::log1p(-x)), 1e-14) << x;
        EXPECT_NEAR_REL(BetaCDF(x, 2.5, 1), std::pow(x, 2.5), 1e-14) << x;
    }
}

// The loop stops on a step below 2^-26, absolute or relative: the answer
// meets p to about 1e-10, or p lies within one such step of it.
TEST(BetaFamily, InverseRoundTrips) {
    constexpr double kStep = 1.4901161193847656e-8;
    const double shapes[][2] = {{1, 1},  {2, 3},   {0.5, 0.5}, {0.3, 4},
                                {10, 2}, {50, 60}, {1000, 0.7}};
    for (const auto& s : shapes)
        for (double p : disttest::ProbabilityGrid()) {
            const double a = s[0], b = s[1];
            const double x = BetaCDFInv(p, a, b);
            const std::string what = "BetaCDFInv(" + std::to_string(p) + ", " + std::to_string(a) +
                                     ", " + std::to_string(b) + ") = " + std::to_string(x);
            if (testsupport::WithinRel(BetaCDF(x, a, b), p, 1e-10)) continue;
            EXPECT_LE(BetaCDF(x - kStep * std::fmax(x, 1), a, b), p) << what;
            EXPECT_GE(BetaCDF(x + kStep * std::fmax(x, 1), a, b), p) << what;
        }
}

// With a = b the start value 1/2 solves the equation at p = 1/2 up to the
// rounding of one step; and the law is symmetric, so the quantiles at p and
// 1 - p add up to 1.
TEST(BetaFamily, SymmetricShapes) {
    for (double a : {0.5, 1.0, 3.0, 40.0}) {
        EXPECT_NEAR(BetaCDFInv(0.5, a, a), 0.5, 4e-15) << a;
        for (double p : {0.01, 0.2, 0.4})
            EXPECT_NEAR(BetaCDFInv(p, a, a) + BetaCDFInv(1 - p, a, a), 1, 1e-9) << a << " " << p;
    }
}

// Far in the lower tail the quantile is found, not a convergence failure:
// I_x(10, 2) = x^10 (11 - 10 x) = 1e-300 puts it at 7.9e-31.
TEST(BetaFamily, FarLowerTailQuantile) {
    EXPECT_NEAR_REL(BetaCDFInv(1e-300, 10, 2), 7.8679344219677224e-31, 1e-15);
}

// Shapes of 1e300 put the whole law within 1e-150 of its mean 1/2: every
// quantile there is 1/2 (the fraction alone would need 1e150 steps).
TEST(BetaFamily, HugeEqualShapesHaveEveryQuantileAtOneHalf) {
    for (double p : {1e-300, 0.3, 0.5, 0.999}) EXPECT_EQ(BetaCDFInv(p, 1e300, 1e300), 0.5) << p;
}

// For the uniform law a tiny p sends the first step to exactly 0; the
// density has its value 1 there, so the next step lands on p itself.
TEST(BetaFamily, InverseStepsThroughTheEndOfTheSupport) {
    EXPECT_DOUBLE_EQ(BetaCDFInv(1e-20, 1, 1), 1e-20);
}

}  // namespace
