// Pareto, Rayleigh and Weibull: domain and boundary answers, agreement with
// the C library's evaluation of the same closed forms, the Weibull law with
// b = 1 as the exponential and with b = 2 as the Rayleigh, and round trips.
#include <gtest/gtest.h>

#include <cmath>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using disttest::CheckRoundTrip;
using numkern::Inf;
using numkern::NaN;

TEST(ClosedFormScale, DomainAndBoundaryValues) {
    CheckAll({
        CASE(ParetoCDFInv(0, 3, 2), 2),
        CASE(ParetoCDFInv(1, 3, 2), Inf),
        CASE(ParetoCDFInv(1.5, 3, 2), NaN),
        CASE(ParetoCDFInv(-0.5, 3, 2), NaN),
        CASE(ParetoPDF(2, 3, 2), 1.5),
        CASE(ParetoCDF(2, 3, 2), 0),
        // Below b the law has density 0 and probability 0.
        CASE(ParetoPDF(1.9, 3, 2), 0),
        CASE(ParetoCDF(1.9, 3, 2), 0),
        CASE(ParetoCCDF(-1e300, 3, 2), 1),
        // Shape 0: nothing above b has probability.
        CASE(ParetoPDF(2, 0, 2), 0),
        CASE(ParetoPDF(50, 0, 2), 0),
        CASE(ParetoCDF(50, 0, 2), 0),
        CASE(RayleighPDF(0, 2), 0),
        CASE(RayleighPDF(-1, 2), NaN),
        CASE(RayleighCDF(-1, 2), NaN),
        CASE(RayleighPDF(1, 0), NaN),
        CASE(RayleighCDF(1, -1), NaN),
        CASE(RayleighCDF(0, 2), 0),
        CASE(RayleighCDFInv(1, 2), Inf),
        CASE(RayleighCDFInv(1.1, 2), NaN),
        CASE(RayleighCDFInv(-0.1, 2), NaN),
        CASE(RayleighCDFInv(0.5, 0), NaN),
        // Far out, and with 1 / b^2 overflowing: the density is 0.
        CASE(RayleighPDF(1e300, 1), 0),
        CASE(RayleighPDF(1, 1e-200), 0),
        CASE(RayleighCDF(1e300, 1e-10), 1),
        CASE(WeibullPDF(0, 3, 1), 3),
        CASE(WeibullPDF(0, 3, 0.5), Inf),
        CASE(WeibullPDF(0, 3, 2), 0),
        CASE(WeibullPDF(-1, 3, 2), 0),
        CASE(WeibullPDF(1, 0, 2), NaN),
        CASE(WeibullPDF(1, 3, -2), NaN),
        CASE(WeibullCDF(0, 3, 2), 0),
        CASE(WeibullCDF(0, 3, 0.5), 0),
        CASE(WeibullCDF(-1, 3, 2), 0),
        CASE(WeibullCDF(1, -3, 2), NaN),
        CASE(WeibullCDFInv(0, 3, 2), 0),
        CASE(WeibullCDFInv(1, 3, 2), Inf),
        CASE(WeibullCDFInv(1.5, 3, 2), NaN),
        CASE(WeibullCDFInv(0.5, 0, 2), NaN),
        CASE(WeibullCDFInv(0.5, 3, 0), NaN),
        // x^(b-1) a b overflows where e^(-a x^b) is already 0.
        CASE(WeibullPDF(1e300, 1, 3), 0),
        CASE(WeibullCDF(1e300, 1, 3), 1),
        CASE(ParetoPDF(NaN, 1, 1), NaN),
        CASE(ParetoCDF(2, NaN, 1), NaN),
        CASE(ParetoCDFInv(0.5, 1, NaN), NaN),
        CASE(RayleighPDF(1, NaN), NaN),
        CASE(WeibullPDF(0, NaN, 1), NaN),
        CASE(WeibullCDFInv(NaN, 1, 1), NaN),
    });
}

// sqrt(-0) * b: the zero keeps its sign bit.
TEST(ClosedFormScale, RayleighInverseAtZeroIsNegativeZero) {
    const double x = RayleighCDFInv(0, 2);
    EXPECT_EQ(x, 0.0);
    EXPECT_TRUE(std::signbit(x));
}

// The density to within an ulp (mpmath, 40 digits), where the products of
// a double evaluation each round.
TEST(ClosedFormScale, RayleighDensityToTheLastBit) {
    CheckAll(
        {
            CASE(RayleighPDF(2.7505327527073198, 15.993829034301603), 0.010594726097500786),
            CASE(RayleighPDF(0.27614694036209358, 0.6240828134005616), 0.64289491635057028),
            CASE(RayleighPDF(0.26641701060638584, 0.31908194143237539), 1.8466120452216206),
            CASE(RayleighPDF(0.95117101098888157, 0.88733449175041845), 0.68009377201002752),
            // Where the exponential is 0 the density is 0, even with x / b^2 infinite.
            CASE(RayleighPDF(Inf, 1), 0),
        },
        1);
}

TEST(ClosedFormScale, MatchesTheCLibrary) {
    struct Case {
        double x, a, b;
    };
    const Case cases[] = {{0.3, 1, 0.7}, {1, 2, 1.5}, {2.5, 0.5, 3}, {7, 0.1, 0.5}, {40, 2, 1}};
    for (const Case& c : cases) {
        // Weibull: density a b x^(b-1) e^(-a x^b).
        const double t = c.a * std::pow(c.x, c.b);
        EXPECT_NEAR_REL(WeibullPDF(c.x, c.a, c.b),
                        c.a * c.b * std::pow(c.x, c.b - 1) * std::exp(-t), 1e-14)
            << "WeibullPDF(" << c.x << ", " << c.a << ", " << c.b << ")";
        EXPECT_NEAR_REL(WeibullCDF(c.x, c.a, c.b), -std::expm1(-t), 1e-15)
            << "WeibullCDF(" << c.x << ", " << c.a << ", " << c.b << ")";
        // Rayleigh with scale b.
        const double r = c.x * c.x / (2 * c.b * c.b);
        EXPECT_NEAR_REL(RayleighPDF(c.x, c.b), c.x / (c.b * c.b) * std::exp(-r), 1e-15)
            << "RayleighPDF(" << c.x << ", " << c.b << ")";
        EXPECT_NEAR_REL(RayleighCDF(c.x, c.b), -std::expm1(-r), 1e-15)
            << "RayleighCDF(" << c.x << ", " << c.b << ")";
        // Pareto with shape b above the lower end a / 10.
        const double lower = c.a / 10;
        EXPECT_NEAR_REL(ParetoPDF(c.x, c.b, lower),
                        c.b * std::pow(lower, c.b) / std::pow(c.x, c.b + 1), 1e-14)
            << "ParetoPDF(" << c.x << ", " << c.b << ", " << lower << ")";
        EXPECT_NEAR_REL(ParetoCDF(c.x, c.b, lower), 1 - std::pow(lower / c.x, c.b), 1e-14)
            << "ParetoCDF(" << c.x << ", " << c.b << ", " << lower << ")";
    }
}

TEST(ClosedFormScale, InversesMatchTheCLibrary) {
    for (double p : disttest::ProbabilityGrid()) {
        // 1 - p is rounded to double before its logarithm: about eps / p.
        const double rel = p < 0.01 ? 1e-9 : 1e-14;
        EXPECT_NEAR_REL(ParetoCDFInv(p, 2.5, 3), 3 * std::pow(1 - p, -1 / 2.5), 1e-14) << p;
        EXPECT_NEAR_REL(RayleighCDFInv(p, 2), 2 * std::sqrt(-2 * std::log1p(-p)), rel) << p;
        EXPECT_NEAR_REL(WeibullCDFInv(p, 0.5, 1.5), std::pow(-std::log1p(-p) / 0.5, 1 / 1.5), rel)
            << p;
    }
}

// Weibull with shape 1 is the exponential law with scale 1 / a, and with
// shape 2 and a = 1 / (2 s^2) the Rayleigh law with scale s.
TEST(ClosedFormScale, WeibullSpecialShapes) {
    for (double x : {0.05, 0.5, 2.0, 9.0}) {
        EXPECT_NEAR_REL(WeibullPDF(x, 4, 1), ExpPDF(x, 0.25), 1e-15) << x;
        EXPECT_NEAR_REL(WeibullCDF(x, 4, 1), ExpCDF(x, 0.25), 1e-15) << x;
        EXPECT_NEAR_REL(WeibullPDF(x, 0.125, 2), RayleighPDF(x, 2), 1e-15) << x;
        EXPECT_NEAR_REL(WeibullCDF(x, 0.125, 2), RayleighCDF(x, 2), 1e-15) << x;
    }
    // The exponential quantile -ln(1 - p) / 4, through log1p for small p.
    for (double p : disttest::ProbabilityGrid())
        EXPECT_NEAR_REL(WeibullCDFInv(p, 4, 1), -std::log1p(-p) / 4, 1e-15) << p;
}

TEST(ClosedFormScale, RoundTrips) {
    for (double a : {0.5, 2.0, 10.0}) {
        CheckRoundTrip(
            "Pareto a = " + std::to_string(a), [&](double x) { return ParetoCDF(x, a, 1.5); },
            [&](double p) { return ParetoCDFInv(p, a, 1.5); }, 1e-9);
        CheckRoundTrip(
            "Weibull a = " + std::to_string(a), [&](double x) { return WeibullCDF(x, a, 0.7); },
            [&](double p) { return WeibullCDFInv(p, a, 0.7); }, 1e-9);
        CheckRoundTrip(
            "Rayleigh b = " + std::to_string(a), [&](double x) { return RayleighCDF(x, a); },
            [&](double p) { return RayleighCDFInv(p, a); }, 1e-9);
    }
}

}  // namespace
