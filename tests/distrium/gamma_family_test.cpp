// Gamma, chi-square and exponential distributions: domain and boundary
// answers, accuracy against closed forms and published quantiles, round
// trips through the Newton inverse and its iteration limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using disttest::CheckRoundTrip;
using numkern::Inf;
using numkern::NaN;

TEST(GammaFamily, DomainAndBoundaryValues) {
    CheckAll({
        // The pole at 0 comes before the parameter tests.
        CASE(GammaPDF(0, 0.5, 1), Inf),
        CASE(GammaPDF(0, -1, 1), Inf),
        CASE(GammaPDF(0, 0.5, -1), Inf),
        CASE(GammaPDF(0, 1, 2), 0.5),
        CASE(GammaPDF(0, 2, 1), 0),
        CASE(GammaPDF(-1, 2, 1), 0),
        CASE(GammaPDF(-1, 0.5, 1), 0),
        CASE(GammaPDF(1, 0, 1), NaN),
        CASE(GammaPDF(1, 1, 0), NaN),
        CASE(GammaPDF(1, 2, -3), NaN),
        CASE(GammaCDF(0, 2, 1), 0),
        CASE(GammaCDF(-5, 2, 1), 0),
        CASE(GammaCDF(1, 0, 1), NaN),
        CASE(GammaCDF(-1, -1, 1), NaN),
        CASE(GammaCDF(1, 2, -1), NaN),
        CASE(GammaCDFInv(0, 2, 3), 0),
        CASE(GammaCDFInv(1, 2, 3), Inf),
        CASE(GammaCDFInv(-0.1, 2, 3), NaN),
        CASE(GammaCDFInv(1.1, 2, 3), NaN),
        CASE(GammaCDFInv(0.5, 0, 3), NaN),
        CASE(GammaCDFInv(0.5, 2, 0), NaN),
        CASE(ChiSquarePDF(0, 1), Inf),
        CASE(ChiSquarePDF(0, 2), 0.5),
        CASE(ChiSquarePDF(0, 3), 0),
        CASE(ChiSquarePDF(1, 0), NaN),
        CASE(ChiSquarePDF(0, -3), NaN),
        CASE(ChiSquareCDF(1, 0), NaN),
        CASE(ChiSquareCDF(1, -1), NaN),
        CASE(ChiSquareCDF(0, 4), 0),
        CASE(ChiSquareCDFInv(0.5, 0), NaN),
        CASE(ChiSquareCDFInv(0.5, -2), NaN),
        CASE(ChiSquareCDFInv(0, 4), 0),
        CASE(ChiSquareCDFInv(1, 4), Inf),
        CASE(ChiSquareCDFInv(1.5, 4), NaN),
        CASE(ChiSquareCDFInv(-0.5, 4), NaN),
        // The density at 0 is 0, not 1 / lambda.
        CASE(ExpPDF(0, 3), 0),
        CASE(ExpPDF(-1, 3), 0),
        CASE(ExpPDF(1, 0), NaN),
        CASE(ExpPDF(1, -2), NaN),
        CASE(ExpCDF(0, 3), 0),
        CASE(ExpCDF(-1, 3), 0),
        CASE(ExpCDF(1, 0), NaN),
        CASE(ExpCDFInv(0, 3), 0),
        CASE(ExpCDFInv(1, 3), Inf),
        CASE(ExpCDFInv(-0.1, 3), NaN),
        CASE(ExpCDFInv(1.1, 3), NaN),
        CASE(ExpCDFInv(0.5, 0), NaN),
    });
}

// A NaN anywhere gives NaN, also where the domain tests alone would let a
// NaN parameter through to a number (GammaCDF's x <= 0 answer, the pole).
TEST(GammaFamily, NaNInAnyArgumentGivesNaN) {
    CheckAll({
        CASE(GammaPDF(0, 0.5, NaN), NaN),
        CASE(GammaPDF(NaN, 2, 1), NaN),
        CASE(GammaPDF(0, NaN, 1), NaN),
        CASE(GammaCDF(-1, NaN, 1), NaN),
        CASE(GammaCDF(-1, 2, NaN), NaN),
        CASE(GammaCDF(NaN, 2, 1), NaN),
        CASE(GammaCDFInv(NaN, 2, 1), NaN),
        CASE(GammaCDFInv(0, NaN, 1), NaN),
        CASE(GammaCDFInv(1, 2, NaN), NaN),
        CASE(ChiSquarePDF(NaN, 2), NaN),
        CASE(ChiSquareCDF(NaN, 2), NaN),
        CASE(ChiSquareCDFInv(NaN, 2), NaN),
        CASE(ExpPDF(-1, NaN), NaN),
        CASE(ExpCDF(NaN, 1), NaN),
        CASE(ExpCDFInv(0, NaN), NaN),
    });
}

// Far in the tail the exponent overflows the double range; the answers are
// the limits, not the NaN of the kernel's Exp at an infinity.
TEST(GammaFamily, OverflowedExponentGivesTheLimit) {
    CheckAll({
        CASE(GammaPDF(1e308, 2, 1e-10), 0),
        CASE(GammaPDF(1e300, 0.5, 1e-20), 0),
        CASE(ExpPDF(1e300, 1e-10), 0),
        {"ExpPDF(inf, 1)", ExpPDF(Inf, 1), 0},
        CASE(ExpCDF(1e300, 1e-10), 1),
        // x / b = +Inf goes on to the continued fraction of P.
        {"GammaCDF(inf, 2, 1)", GammaCDF(Inf, 2, 1), 1},
        CASE(GammaCDF(1e300, 2, 1e-10), 1),
        {"ExpCDF(inf, 1)", ExpCDF(Inf, 1), 1},
    });
}

TEST(GammaFamily, DensityMatchesClosedForm) {
    struct Case {
        double x, a, b;
    };
    const Case cases[] = {{0.5, 1, 1},   {3, 1, 2},  {0.2, 0.5, 1},  {4, 0.5, 3}, {1, 2, 1},
                          {7.5, 3, 2.5}, {10, 5, 1}, {0.01, 0.3, 2}, {55, 50, 1}, {2, 1.5, 0.5}};
    for (const Case& c : cases) {
        // x^(a-1) e^(-x/b) / (Gamma(a) b^a), through the C library's tgamma.
        const long double want = std::pow(static_cast<long double>(c.x), c.a - 1) *
                                 std::exp(-static_cast<long double>(c.x) / c.b) /
                                 (std::tgamma(static_cast<long double>(c.a)) *
                                  std::pow(static_cast<long double>(c.b), c.a));
        EXPECT_NEAR_REL(GammaPDF(c.x, c.a, c.b), static_cast<double>(want), 1e-14)
            << "GammaPDF(" << c.x << ", " << c.a << ", " << c.b << ")";
    }
}

// Reference values: the regularised incomplete gamma function in its closed
// forms for integer and half-integer shapes (finite sums with erf), summed in
// Python's decimal module at 250 digits.
TEST(GammaFamily, DistributionMatchesClosedForms) {
    struct Case {
        double x, a, b, want;
    };
    const Case cases[] = {
        {0.5, 0.5, 1, 0.68268949213708585},  // erf(sqrt(0.5))
        {2.5, 1.5, 2, 0.52470891665697938}, {7, 4, 1, 0.91823458375527833},
        {30, 20.5, 1, 0.97205904756784589}, {0.01, 2.5, 0.5, 1.6780253487930199e-05},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(GammaCDF(c.x, c.a, c.b), c.want, 1e-14)
            << "GammaCDF(" << c.x << ", " << c.a << ", " << c.b << ")";
}

// Chi-square quantiles of the standard tables, to 17 digits: bisection on
// the closed forms above at 250 digits.
TEST(GammaFamily, ChiSquareQuantilesOfTheTables) {
    struct Case {
        double p;
        std::int32_t nu;
        double want;
    };
    const Case cases[] = {
        {0.95, 1, 3.8414588206941258},  {0.95, 2, 5.9914645471079817},
        {0.95, 10, 18.307038053275146}, {0.05, 10, 3.94029913611906},
        {0.99, 5, 15.086272469388991},  {0.975, 20, 34.169606902838339},
        {0.5, 3, 2.3659738843753382},   {0.001, 4, 0.090804035538979117},
        {0.999, 7, 24.321886347856854},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(ChiSquareCDFInv(c.p, c.nu), c.want, 1e-12)
            << "ChiSquareCDFInv(" << c.p << ", " << c.nu << ")";
}

TEST(GammaFamily, GammaQuantilesOfHalfIntegerShapes) {
    struct Case {
        double p, a, b, want;
    };
    // Same generator as the chi-square quantiles.
    const Case cases[] = {
        {0.3, 2.5, 1.5, 2.2499310995699298},
        {0.9, 1.5, 0.25, 0.78142357889629044},
        {0.01, 0.5, 3, 0.00023563178686455296},
        {0.75, 20, 2, 45.616013618942141},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(GammaCDFInv(c.p, c.a, c.b), c.want, 1e-12)
            << "GammaCDFInv(" << c.p << ", " << c.a << ", " << c.b << ")";
}

// The Newton loop stops on a step below 2^-26 absolute or 256 eps relative.
// Its answer meets p to 1e-10, or else p lies within that absolute step of
// the answer (small quantiles, where the absolute bound stops the loop).
void CheckNewtonRoundTrip(const std::string& what, const std::function<double(double)>& cdf,
                          const std::function<double(double)>& inv) {
    constexpr double kStep = 1.4901161194e-8;
    for (double p : disttest::ProbabilityGrid()) {
        const double x = inv(p);
        if (testsupport::WithinRel(cdf(x), p, 1e-10)) continue;
        EXPECT_LE(cdf(std::max(x - kStep, 0.0)), p) << what << " at p = " << p << ", x = " << x;
        EXPECT_GE(cdf(x + kStep), p) << what << " at p = " << p << ", x = " << x;
    }
}

// Shape 1 is the exponential law: the Newton inverse must meet -b ln(1 - p).
// Near p = 1 the rounding of GammaCDF to double limits the answer to about
// eps / (1 - p) relative.
TEST(GammaFamily, ShapeOneInverseIsTheExponentialQuantile) {
    for (double b : {0.25, 1.0, 4.0})
        for (double p : disttest::ProbabilityGrid()) {
            const double want = -b * std::log1p(-p);
            const double tolerance = std::max(1e-11 * want, 1.5e-8);
            EXPECT_NEAR(GammaCDFInv(p, 1, b), want, tolerance) << "p = " << p << ", b = " << b;
        }
}

// Below p of about 1e-16, 2p - 1 rounds to -1, the log-normal start value
// underflows to 0 and for a > 1 the first step from there ran off to +Inf.
// Expected values from the leading terms of P near 0: P(2, y) = y^2/2 - y^3/3
// + ..., P(1/2, y) = 2 sqrt(y / pi) - ..., so x = b y solves P(a, y) = p.
TEST(GammaFamily, FarLowerTailQuantiles) {
    struct Case {
        double p, a, b, want;
    };
    const double r20 = std::sqrt(2e-20);
    const double r300 = std::sqrt(2e-300);
    const Case cases[] = {
        {1e-20, 2, 1, r20 * (1 + r20 / 3)},
        {1e-20, 2, 5, 5 * r20 * (1 + r20 / 3)},
        {1e-300, 2, 1, r300},
        {1e-20, 0.5, 1, std::numbers::pi * 1e-40 / 4},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(GammaCDFInv(c.p, c.a, c.b), c.want, 1e-9)
            << "GammaCDFInv(" << c.p << ", " << c.a << ", " << c.b << ")";
    // Shape 100: far from 0, where the Newton loop meets p itself.
    EXPECT_NEAR_REL(GammaCDF(GammaCDFInv(1e-20, 100, 1), 100, 1), 1e-20, 1e-12);
}

// Shape 1 far in the lower tail: -b ln(1 - p), worked out in mpmath and
// rounded to double, within an ulp.
TEST(GammaFamily, ShapeOneFarLowerTailIsTheExponentialQuantile) {
    struct Case {
        double p, b, want;
    };
    const Case cases[] = {
        {1e-20, 3, 2.9999999999999997e-20},
        {1e-20, 0.1, 1e-21},
        {2e-18, 7, 1.4000000000000003e-17},
        {1e-100, 10, 1e-99},
        {5.785337531413753e-235, 35.12003276206285, 2.031812436428428e-233},
        {1e-20, 2, 2e-20},
        {1e-300, 0.5, 5e-301},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_EPS(GammaCDFInv(c.p, 1, c.b), c.want, 1)
            << "GammaCDFInv(" << c.p << ", 1, " << c.b << ")";
    EXPECT_NEAR_EPS(ChiSquareCDFInv(1e-20, 2), 2e-20, 1);
}

// Far tails of large shapes, where the old start value left the density at
// 0 (an infinite step, NaN) or Newton's method ran out of its 100 steps
// ("Failed to converge!"): every p has its quantile, and it meets p as far
// as an ulp of x allows (x f(x) / P(x) grows like sqrt(a) ln(1/p)); the
// reference table holds their digits.
TEST(GammaFamily, FarTailQuantilesOfLargeShapes) {
    struct Case {
        double p, a, b;
    };
    const Case cases[] = {{1e-20, 1e4, 1},  {1e-80, 100, 1},    {1e-80, 100, 3},
                          {1e-300, 1e7, 2}, {1e-300, 50, 1e-3}, {1e-200, 5, 1}};
    for (const Case& c : cases) {
        const double x = GammaCDFInv(c.p, c.a, c.b);
        EXPECT_NEAR_REL(GammaCDF(x, c.a, c.b), c.p, 1e-10)
            << "GammaCDFInv(" << c.p << ", " << c.a << ", " << c.b << ")";
        const double y = GammaCCDFInv(c.p, c.a, c.b);
        EXPECT_NEAR_REL(GammaCCDF(y, c.a, c.b), c.p, 1e-10)
            << "GammaCCDFInv(" << c.p << ", " << c.a << ", " << c.b << ")";
    }
    const double chi = ChiSquareCDFInv(1e-20, 20000);
    EXPECT_NEAR_REL(ChiSquareCDF(chi, 20000), 1e-20, 1e-13);
}

// The upper tails are their own computations, not 1 - CDF: at P(X > x) of
// 1e-200 the complement would be 0.
TEST(GammaFamily, UpperTailsAtTheBoundaries) {
    CheckAll({
        CASE(GammaCCDF(0, 2, 1), 1),
        CASE(GammaCCDF(-1, 2, 1), 1),
        {"GammaCCDF(inf, 2, 1)", GammaCCDF(Inf, 2, 1), 0},
        CASE(GammaCCDF(1, 0, 1), NaN),
        CASE(GammaCCDFInv(0, 2, 1), Inf),
        CASE(GammaCCDFInv(1, 2, 1), 0),
        CASE(GammaCCDFInv(1.5, 2, 1), NaN),
        CASE(ChiSquareCCDF(0, 3), 1),
        CASE(ChiSquareCCDF(1, 0), NaN),
        CASE(ChiSquareCCDFInv(1, 3), 0),
        CASE(ChiSquareCCDFInv(0.5, -1), NaN),
        CASE(ExpCCDF(0, 2), 1),
        CASE(ExpCCDF(1, 0), NaN),
        CASE(ExpCCDFInv(1, 2), 0),
        CASE(ExpCCDFInv(0, 2), Inf),
        CASE(ExpCCDFInv(-0.5, 2), NaN),
    });
    EXPECT_GT(GammaCCDF(700, 2, 1), 0);
}

TEST(GammaFamily, ExponentialMatchesClosedForms) {
    struct Case {
        double x, lambda;
    };
    const Case cases[] = {{0.1, 1}, {1, 1}, {5, 2}, {0.003, 0.01}, {40, 3}, {1e-8, 1e3}};
    for (const Case& c : cases) {
        EXPECT_NEAR_EPS(ExpPDF(c.x, c.lambda), std::exp(-c.x / c.lambda) / c.lambda, 8)
            << "ExpPDF(" << c.x << ", " << c.lambda << ")";
        // 1 - e^(-t) loses relative accuracy where t is tiny; -expm1 does not.
        EXPECT_NEAR_REL(ExpCDF(c.x, c.lambda), -std::expm1(-c.x / c.lambda),
                        c.x / c.lambda < 1e-3 ? 1e-8 : 4e-16)
            << "ExpCDF(" << c.x << ", " << c.lambda << ")";
    }
    EXPECT_NEAR_EPS(ExpCDFInv(0.5, 2), 2 * std::log(2.0), 2);
    for (double p : disttest::ProbabilityGrid())
        EXPECT_NEAR_EPS(ExpCDFInv(p, 3), -3 * std::log1p(-p), p < 1e-3 ? 1e6 : 8) << p;
}

TEST(GammaFamily, RoundTrips) {
    for (double a : {0.5, 1.0, 2.5, 10.0, 150.0})
        for (double b : {0.5, 1.0, 3.0})
            CheckNewtonRoundTrip(
                "gamma a = " + std::to_string(a) + ", b = " + std::to_string(b),
                [&](double x) { return GammaCDF(x, a, b); },
                [&](double p) { return GammaCDFInv(p, a, b); });
    for (std::int32_t nu : {1, 2, 3, 7, 30})
        CheckNewtonRoundTrip(
            "chi-square nu = " + std::to_string(nu), [&](double x) { return ChiSquareCDF(x, nu); },
            [&](double p) { return ChiSquareCDFInv(p, nu); });
    // 1 - p is rounded to double before its logarithm: about eps / p.
    CheckRoundTrip(
        "exponential", [](double x) { return ExpCDF(x, 2.5); },
        [](double p) { return ExpCDFInv(p, 2.5); }, 1e-9);
}

}  // namespace
