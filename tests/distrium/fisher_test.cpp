// F distribution: domain answers, the density against closed forms and
// reference values (also for degrees of freedom in the thousands, where the
// product of powers overflows), the CDF against the beta relation and a
// closed form, quantiles and round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::Inf;
using numkern::NaN;
using numkern::Pi;

TEST(Fisher, DomainAndBoundaryValues) {
    CheckAll({
        CASE(FPDF(1, 0, 3), NaN),
        CASE(FPDF(1, 3, -1), NaN),
        CASE(FCDF(1, 0, 3), NaN),
        CASE(FCDF(1, 3, 0), NaN),
        CASE(FCDFInv(0.5, 0, 3), NaN),
        CASE(FCDFInv(0.5, 3, -2), NaN),
        CASE(FPDF(0, 1, 5), 0),
        CASE(FPDF(0, 2, 5), 0),
        CASE(FPDF(-3, 4, 5), 0),
        CASE(FCDF(0, 1, 5), 0),
        CASE(FCDF(0, 2, 5), 0),
        CASE(FCDF(-3, 4, 5), 0),
        {"FCDF(inf, 4, 5)", FCDF(Inf, 4, 5), 1},
        // A probability outside [0, 1] answers 0, not NaN.
        CASE(FCDFInv(0, 4, 5), 0),
        CASE(FCDFInv(-0.5, 4, 5), 0),
        CASE(FCDFInv(1.5, 4, 5), 0),
        CASE(FCDFInv(1, 4, 5), Inf),
        CASE(FPDF(NaN, 4, 5), NaN),
        CASE(FCDF(NaN, 4, 5), NaN),
        CASE(FCDFInv(NaN, 4, 5), NaN),
    });
}

// nu1 = 2: (1 + 2x/nu2)^-(nu2/2 + 1); nu1 = nu2 = 1: 1 / (pi sqrt(x) (1 + x)).
TEST(Fisher, DensityMatchesClosedForms) {
    for (double x : {1e-5, 0.1, 0.9, 1.0, 2.5, 30.0}) {
        for (std::int32_t nu2 : {1, 4, 9, 60})
            EXPECT_NEAR_REL(FPDF(x, 2, nu2), std::pow(1 + 2 * x / nu2, -(nu2 / 2.0 + 1)), 1e-13)
                << "FPDF(" << x << ", 2, " << nu2 << ")";
        EXPECT_NEAR_REL(FPDF(x, 1, 1), 1 / (Pi * std::sqrt(x) * (1 + x)), 1e-13) << x;
    }
}

// A point or probability, the degrees of freedom and the value the call
// must give.
struct Case {
    double arg;
    std::int32_t nu1, nu2;
    double want;
};

// mpmath at 40 digits, the density in logarithms with loggamma. The large
// degrees of freedom overflow the product of powers (B(1000, 1000) lies
// below the double range); the last point lies where x^1.5 overflows while
// the density is 1e-600, 0 in double.
TEST(Fisher, DensityReferenceValues) {
    const Case cases[] = {
        {0.9, 3, 7, 0.42450000347538742},
        {1, 2000, 2000, 8.9195055729271604},
        {1.05, 100000, 50000, 1.3263659178634785e-07},
        {1e300, 5, 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(FPDF(c.arg, c.nu1, c.nu2), c.want, 1e-10)
            << "FPDF(" << c.arg << ", " << c.nu1 << ", " << c.nu2 << ")";
}

// The F law is the beta law seen through x -> nu1 x / (nu1 x + nu2):
// P(F <= x) = I_(nu1 x / (nu1 x + nu2))(nu1/2, nu2/2), a different path
// through the incomplete beta function than FCDF's 1 - I_w(nu2/2, nu1/2).
// For nu1 = 2 also 1 - (1 + 2x/nu2)^(-nu2/2).
TEST(Fisher, DistributionMatchesTheBetaRelation) {
    for (double x : {0.05, 0.5, 1.0, 2.0, 8.0})
        for (std::int32_t nu1 : {1, 2, 5, 30})
            for (std::int32_t nu2 : {1, 3, 10, 80}) {
                const double u = nu1 * x / (nu1 * x + nu2);
                EXPECT_NEAR(FCDF(x, nu1, nu2), BetaCDF(u, nu1 / 2.0, nu2 / 2.0), 1e-13)
                    << "FCDF(" << x << ", " << nu1 << ", " << nu2 << ")";
                if (nu1 == 2) {
                    EXPECT_NEAR(FCDF(x, 2, nu2), -std::expm1(-nu2 / 2.0 * std::log1p(2 * x / nu2)),
                                1e-14);
                }
            }
}

// 5 % points of the F table, to 17 digits by mpmath findroot at 40 digits.
TEST(Fisher, QuantilesOfTheTable) {
    const Case cases[] = {
        {0.95, 5, 10, 3.3258345304130109},
        {0.95, 1, 1, 161.44763879758821},
        {0.95, 10, 20, 2.3478775669983115},
        {0.05, 4, 12, 0.16915524739773234},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(FCDFInv(c.arg, c.nu1, c.nu2), c.want, 1e-8)
            << "FCDFInv(" << c.arg << ", " << c.nu1 << ", " << c.nu2 << ")";
}

// The beta solver stops once its step is below 2^-26 absolute, so where the
// beta variable nu2 / (nu1 x + nu2) comes within about 1e-7 of 0 or 1 (the
// far tails of small degrees of freedom) the quantile is only that close;
// these probabilities stay inside.
TEST(Fisher, InverseRoundTrips) {
    const std::int32_t dofs[][2] = {{1, 1}, {2, 5}, {5, 10}, {30, 3}, {100, 200}};
    for (const auto& d : dofs)
        for (double p : {0.01, 0.05, 0.1, 0.25, 0.5, 0.75, 0.9, 0.95, 0.99}) {
            const double x = FCDFInv(p, d[0], d[1]);
            EXPECT_NEAR_REL(FCDF(x, d[0], d[1]), p, 1e-7)
                << "FCDFInv(" << p << ", " << d[0] << ", " << d[1] << ") = " << x;
        }
}

// The density integrates to the CDF: a central difference of FCDF matches
// FPDF, also where the density comes from logarithms.
TEST(Fisher, DensityIsTheSlopeOfTheDistribution) {
    const std::int32_t dofs[][2] = {{3, 7}, {40, 12}, {5000, 3000}, {200000, 100000}};
    for (const auto& d : dofs) {
        const double x = 1 + 1 / std::sqrt(double(d[0]));
        const double h = 1e-4 * x / std::sqrt(double(d[0]));
        const double slope = (FCDF(x + h, d[0], d[1]) - FCDF(x - h, d[0], d[1])) / (2 * h);
        EXPECT_NEAR_REL(FPDF(x, d[0], d[1]), slope, 1e-5) << d[0] << ", " << d[1];
    }
}

}  // namespace
