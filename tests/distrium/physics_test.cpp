// Maxwell, Bose-Einstein and Fermi-Dirac: domain answers, the Maxwell
// density as the derivative of its CDF (a is the scale in both), closed
// forms through the C library, and the Maxwell round trip.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::Inf;
using numkern::NaN;

TEST(Physics, DomainAndBoundaryValues) {
    CheckAll({
        CASE(MaxwellPDF(-1, 1), NaN),
        CASE(MaxwellPDF(1, 0), NaN),
        CASE(MaxwellPDF(1, -2), NaN),
        CASE(MaxwellPDF(0, 2), 0),
        CASE(MaxwellCDF(0, 2), 0),
        CASE(MaxwellCDF(-1, 1), NaN),
        CASE(MaxwellCDF(1, 0), NaN),
        CASE(MaxwellCDFInv(1, 2), Inf),
        CASE(MaxwellCDFInv(0, 2), 0),
        CASE(MaxwellCDFInv(1.1, 2), NaN),
        CASE(MaxwellCDFInv(-0.1, 2), NaN),
        CASE(MaxwellCDFInv(0.5, 0), NaN),
        CASE(MaxwellPDF(NaN, 1), NaN),
        CASE(MaxwellCDF(1, NaN), NaN),
        CASE(MaxwellCDFInv(NaN, 1), NaN),
        // Far in the tail the density is 0 even where x^2 / a overflows.
        CASE(MaxwellPDF(1e200, 1e-200), 0),
        // At x = mu the Bose-Einstein denominator is +0.
        CASE(BoseEinsteinPDF(2, 2, 1), Inf),
        CASE(BoseEinsteinPDF(0, 0, 1), NaN),
        // A negative base of the power is NaN unless s = 0.
        CASE(BoseEinsteinPDF(-1, 0, 1), NaN),
        CASE(FermiDiracPDF(-1, 0, 2), NaN),
        CASE(FermiDiracPDF(0, 1, 2), 0),
        CASE(FermiDiracPDF(0, 1, -1), Inf),
        CASE(BoseEinsteinPDF(0, -1, 0.5), 0),
        CASE(FermiDiracPDF(NaN, 0, 0), NaN),
        CASE(FermiDiracPDF(1, 0, NaN), NaN),
        CASE(BoseEinsteinPDF(1, NaN, 1), NaN),
        // x - mu beyond the double range: the limits of the exponential.
        CASE(FermiDiracPDF(1e308, -1e308, 0), 0),
        CASE(FermiDiracPDF(-1e308, 1e308, 0), 1),
        CASE(BoseEinsteinPDF(1e308, -1e308, 0), 0),
    });
}

TEST(Physics, MaxwellDensityMatchesClosedForm) {
    struct Case {
        double x, a;
    };
    const Case cases[] = {{0.5, 1}, {1, 1}, {2.5, 1}, {1, 0.3}, {3, 2}, {40, 10}, {1e-3, 1e-3}};
    for (const Case& c : cases) {
        // sqrt(2/pi) x^2 e^(-x^2/(2 a^2)) / a^3 with a the scale.
        const double want = std::sqrt(2 / std::numbers::pi) * c.x * c.x *
                            std::exp(-c.x * c.x / (2 * c.a * c.a)) / (c.a * c.a * c.a);
        EXPECT_NEAR_REL(MaxwellPDF(c.x, c.a), want, 1e-14)
            << "MaxwellPDF(" << c.x << ", " << c.a << ")";
        // CDF: erf(u / sqrt 2) - sqrt(2/pi) u e^(-u^2/2), u = x / a.
        const double u = c.x / c.a;
        const double cdf = std::erf(u / std::sqrt(2.0)) -
                           std::sqrt(2 / std::numbers::pi) * u * std::exp(-u * u / 2);
        EXPECT_NEAR_REL(MaxwellCDF(c.x, c.a), cdf, 1e-13)
            << "MaxwellCDF(" << c.x << ", " << c.a << ")";
    }
}

// The density must be the derivative of the CDF for every scale, not only
// for a = 1: the chart draws both side by side.
TEST(Physics, MaxwellDensityIsTheDerivativeOfItsCDF) {
    for (double a : {0.25, 1.0, 3.0, 50.0})
        for (double u : {0.3, 1.0, 1.7, 3.0}) {
            const double x = u * a;
            const double h = 1e-5 * a;
            const double slope = (MaxwellCDF(x + h, a) - MaxwellCDF(x - h, a)) / (2 * h);
            EXPECT_NEAR_REL(MaxwellPDF(x, a), slope, 1e-7) << "x = " << x << ", a = " << a;
        }
}

TEST(Physics, MaxwellRoundTrip) {
    for (double a : {0.5, 1.0, 7.0})
        disttest::CheckRoundTrip(
            "Maxwell a = " + std::to_string(a), [&](double x) { return MaxwellCDF(x, a); },
            [&](double p) { return MaxwellCDFInv(p, a); }, 1e-10);
}

// Near 0 the Maxwell CDF is sqrt(2/pi) u^3 / 3 (u = x / a), so the far
// lower tail, where the gamma inverse starts from its lower-tail form, has
// the quantile a (3 p sqrt(pi/2))^(1/3).
TEST(Physics, MaxwellFarLowerTail) {
    for (double p : {1e-300, 1e-100, 1e-20})
        for (double a : {0.5, 3.0}) {
            const double want = a * std::cbrt(3 * p * std::sqrt(std::numbers::pi / 2));
            EXPECT_NEAR_REL(MaxwellCDFInv(p, a), want, 1e-9) << "p = " << p << ", a = " << a;
        }
}

TEST(Physics, OccupationNumbersMatchClosedForms) {
    struct Case {
        double x, mu, s;
    };
    const Case cases[] = {{0.5, 0, 0}, {3, 1, 0},       {-2, 1, 0},
                          {1, 3, 1},   {2.5, 0.5, 1.5}, {10, 2, 3}};
    for (const Case& c : cases) {
        const double power = std::pow(c.x, c.s);
        EXPECT_NEAR_REL(FermiDiracPDF(c.x, c.mu, c.s), power / (std::exp(c.x - c.mu) + 1), 1e-15)
            << "FermiDiracPDF(" << c.x << ", " << c.mu << ", " << c.s << ")";
        EXPECT_NEAR_REL(BoseEinsteinPDF(c.x, c.mu, c.s), power / std::expm1(c.x - c.mu), 1e-14)
            << "BoseEinsteinPDF(" << c.x << ", " << c.mu << ", " << c.s << ")";
    }
    // Below mu the Bose-Einstein denominator is negative.
    EXPECT_LT(BoseEinsteinPDF(1, 3, 1), 0);
}

}  // namespace
