// Cauchy, Laplace, logistic and log-Weibull: domain and boundary answers,
// agreement with the C library's evaluation of the same closed forms, and
// round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using disttest::CheckRoundTrip;
using numkern::Inf;
using numkern::NaN;
constexpr double kPi = std::numbers::pi;

TEST(ClosedFormLocation, DomainAndBoundaryValues) {
    CheckAll({
        CASE(CauchyPDF(0, 0, 0), NaN),
        CASE(CauchyCDF(0, 0, -1), NaN),
        CASE(CauchyCDFInv(0.5, 0, 0), NaN),
        CASE(CauchyCDFInv(-0.1, 0, 1), NaN),
        CASE(CauchyCDFInv(1.1, 0, 1), NaN),
        CASE(CauchyCDF(2.5, 2.5, 3), 0.5),
        CASE(CauchyCDFInv(0.5, 2.5, 3), 2.5),
        {"CauchyCDF(inf, 0, 1)", CauchyCDF(Inf, 0, 1), 1},
        CASE(LaplacePDF(0, 0, 0), NaN),
        CASE(LaplaceCDF(0, 0, -1), NaN),
        CASE(LaplaceCDFInv(0.5, 0, 0), NaN),
        CASE(LaplaceCDFInv(1.5, 0, 1), NaN),
        CASE(LaplaceCDFInv(-1, 0, 1), NaN),
        // The sign of x - m is 0 at m.
        CASE(LaplaceCDF(-4, -4, 2), 0.5),
        CASE(LaplaceCDFInv(0.5, -4, 2), -4),
        CASE(LaplaceCDFInv(0, -4, 2), -Inf),
        CASE(LaplaceCDFInv(1, -4, 2), Inf),
        CASE(LaplacePDF(1e308, -1e308, 1), 0),
        CASE(LaplaceCDF(1e308, -1e308, 1), 1),
        {"LaplaceCDF(-inf, 0, 1)", LaplaceCDF(-Inf, 0, 1), 0},
        // The logistic location is any real number, zero and below included.
        CASE(LogisticPDF(0, 0, 1), 0.25),
        CASE(LogisticCDF(-2, -2, 1), 0.5),
        CASE(LogisticCDFInv(0.5, 0, 1), 0),
        CASE(LogisticCDFInv(0.5, -1, 1), -1),
        CASE(LogisticPDF(1, 1, 0), NaN),
        CASE(LogisticCDFInv(0.5, 1, -1), NaN),
        CASE(LogisticCDFInv(1.5, 1, 1), NaN),
        CASE(LogisticCDFInv(-0.5, 1, 1), NaN),
        CASE(LogisticCDFInv(0, 1, 1), -Inf),
        CASE(LogisticCDFInv(1, 1, 1), Inf),
        CASE(LogisticCDFInv(0.5, 3, 2), 3),
        CASE(LogisticCDF(3, 3, 2), 0.5),
        // Far below m the stored e^(-(x-m)/b) overflows: the density is 0.
        CASE(LogisticPDF(-1e4, 1, 1), 0),
        CASE(LogisticCDF(-1e308, 1, 1e-10), 0),
        {"LogisticCDF(inf, 1, 1)", LogisticCDF(Inf, 1, 1), 1},
        CASE(LogWeibullPDF(0, 0, 0), NaN),
        CASE(LogWeibullCDF(0, 0, 0), NaN),
        CASE(LogWeibullCDFInv(0.5, 0, 0), NaN),
        CASE(LogWeibullCDFInv(1.5, 0, 1), NaN),
        CASE(LogWeibullCDFInv(-0.5, 0, 1), NaN),
        CASE(LogWeibullCDFInv(0, 2, 3), -Inf),
        CASE(LogWeibullCDFInv(1, 2, 3), Inf),
        // Far below a, e^z overflows and the density is 0.
        CASE(LogWeibullPDF(-1e300, 0, 1), 0),
        CASE(LogWeibullPDF(1e300, 0, 1), 0),
        CASE(LogWeibullCDF(-1e300, 0, 1), 0),
        CASE(LogWeibullCDF(1e300, 0, 1), 1),
        CASE(CauchyPDF(NaN, 0, 1), NaN),
        CASE(LaplaceCDF(0, NaN, 1), NaN),
        CASE(LogisticCDFInv(0, 1, NaN), NaN),
        CASE(LogWeibullCDFInv(NaN, 0, 1), NaN),
    });
}

// At p = 0 and 1 the Cauchy inverse is the tangent next to -pi/2 and pi/2:
// large but finite.
TEST(ClosedFormLocation, CauchyInverseEndsAreFinite) {
    const double low = CauchyCDFInv(0, 0, 1);
    const double high = CauchyCDFInv(1, 0, 1);
    EXPECT_TRUE(std::isfinite(low) && low < -1e15) << low;
    EXPECT_TRUE(std::isfinite(high) && high > 1e15) << high;
}

TEST(ClosedFormLocation, LogWeibullInverseAtOneOverE) {
    for (double a : {-3.0, 0.0, 2.0})
        for (double b : {0.5, 3.0, -2.0})
            EXPECT_NEAR(LogWeibullCDFInv(std::exp(-1.0), a, b), a,
                        4e-16 * (std::fabs(a) + std::fabs(b)))
                << "a = " << a << ", b = " << b;
}

struct Point {
    double x, m, b;
};

const Point kPoints[] = {{0, 0.25, 1},     {1.5, 0.5, 2},    {-3, 1, 0.7},   {10, 4, 2.5},
                         {0.2, 0.3, 0.01}, {-1e3, 2e3, 1e3}, {2, -1.5, 0.8}, {-7, -6, 3}};

TEST(ClosedFormLocation, MatchesTheCLibrary) {
    for (const Point& c : kPoints) {
        const double z = (c.x - c.m) / c.b;
        EXPECT_NEAR_REL(CauchyPDF(c.x, c.m, c.b), 1 / (kPi * c.b * (1 + z * z)), 1e-15) << z;
        EXPECT_NEAR_REL(CauchyCDF(c.x, c.m, c.b), 0.5 + std::atan(z) / kPi, 1e-15) << z;
        EXPECT_NEAR_REL(LaplacePDF(c.x, c.m, c.b), std::exp(-std::fabs(z)) / (2 * c.b), 1e-15) << z;
        const double laplace = z < 0 ? 0.5 * std::exp(z) : 1 - 0.5 * std::exp(-z);
        EXPECT_NEAR_REL(LaplaceCDF(c.x, c.m, c.b), laplace, 1e-15) << z;
        const double e = std::exp(-z);
        EXPECT_NEAR_REL(LogisticPDF(c.x, c.m, c.b), e / (c.b * (1 + e) * (1 + e)), 1e-15) << z;
        EXPECT_NEAR_REL(LogisticCDF(c.x, c.m, c.b), 1 / (1 + e), 1e-15) << z;
        // Log-Weibull with location m and scale b: exp(-exp(-z)). In double
        // the inner exponential's rounding is multiplied by its size in the
        // lower tail, so the reference is taken in long double.
        const long double zl = (static_cast<long double>(c.x) - c.m) / c.b;
        EXPECT_NEAR_REL(LogWeibullPDF(c.x, c.m, c.b),
                        static_cast<double>(std::exp(-zl - std::exp(-zl)) / c.b), 1e-15)
            << z;
        EXPECT_NEAR_REL(LogWeibullCDF(c.x, c.m, c.b), static_cast<double>(std::exp(-std::exp(-zl))),
                        1e-15)
            << z;
    }
}

TEST(ClosedFormLocation, InversesMatchTheCLibrary) {
    for (double p : disttest::ProbabilityGrid()) {
        // The argument (p - 1/2) pi loses relative accuracy next to -pi/2.
        EXPECT_NEAR_REL(CauchyCDFInv(p, 1, 2), 1 + 2 * std::tan(kPi * (p - 0.5)), 1e-9) << p;
        const double laplace = p < 0.5 ? std::log(2 * p) : -std::log(2 - 2 * p);
        EXPECT_NEAR_REL(LaplaceCDFInv(p, 1, 2), 1 + 2 * laplace, 1e-14) << p;
        EXPECT_NEAR_REL(LogisticCDFInv(p, 1, 2), 1 + 2 * std::log(p / (1 - p)), 1e-14) << p;
        EXPECT_NEAR_REL(LogWeibullCDFInv(p, 1, 2), 1 - 2 * std::log(-std::log(p)), 1e-14) << p;
    }
}

TEST(ClosedFormLocation, RoundTrips) {
    CheckRoundTrip(
        "Cauchy", [](double x) { return CauchyCDF(x, -1, 3); },
        [](double p) { return CauchyCDFInv(p, -1, 3); }, 1e-9);
    CheckRoundTrip(
        "Laplace", [](double x) { return LaplaceCDF(x, 2, 0.5); },
        [](double p) { return LaplaceCDFInv(p, 2, 0.5); }, 1e-12);
    CheckRoundTrip(
        "logistic", [](double x) { return LogisticCDF(x, 2, 0.5); },
        [](double p) { return LogisticCDFInv(p, 2, 0.5); }, 1e-12);
    for (double b : {0.5, -0.5})
        CheckRoundTrip(
            "log-Weibull b = " + std::to_string(b),
            [&](double x) { return LogWeibullCDF(x, 1, b); },
            [&](double p) { return LogWeibullCDFInv(p, 1, b); }, 1e-12);
}

}  // namespace
