// Geometric distribution: domain answers, the floor of the point and points
// near whole numbers, masses and tails against their closed forms and
// mpmath, the p = 0 and p = 1 ends, points beyond the 32-bit range, and
// quantiles that count failures, as the mass and the tails do.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/discrete_checks.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::Inf;
using numkern::NaN;

TEST(Geometric, DomainAndPointValues) {
    CheckAll({
        CASE(GeometricPDF(1, 0), NaN),
        CASE(GeometricPDF(1, 1.5), NaN),
        CASE(GeometricPDF(NaN, 0.5), NaN),
        CASE(GeometricCCDF(1, 0), NaN),
        CASE(GeometricCCDFInv(1.1, 0.5), NaN),
        CASE(GeometricCDF(1, 0), NaN),
        CASE(GeometricCDF(1, 1.5), NaN),
        CASE(GeometricCDF(NaN, 0.5), NaN),
        CASE(GeometricCDFInv(-0.1, 0.5), NaN),
        CASE(GeometricCDFInv(1.1, 0.5), NaN),
        CASE(GeometricCDFInv(0.5, -0.5), NaN),
        CASE(GeometricCDFInv(0.5, 1.5), NaN),
        CASE(GeometricCDFInv(NaN, 0.5), NaN),
        // A point that is not whole has mass 0; the tails read its floor,
        // 0 and 1 below the support; a point within a few ulps of a whole
        // number is that number.
        CASE(GeometricPDF(2.5, 0.3), 0),
        CASE(GeometricPDF(-2, 0.3), 0),
        CASE(GeometricPDF(2.0000000000000004, 0.3), GeometricPDF(2, 0.3)),
        CASE(GeometricCDF(-1, 0.5), 0),
        CASE(GeometricCCDF(-0.5, 0.5), 1),
        CASE(GeometricCDF(2.4, 0.3), GeometricCDF(2, 0.3)),
        CASE(GeometricCDF(2.6, 0.3), GeometricCDF(2, 0.3)),
        CASE(GeometricCDF(3.5, 0.3), GeometricCDF(3, 0.3)),
        CASE(GeometricCDF(2.9999999999999996, 0.3), GeometricCDF(3, 0.3)),
        CASE(GeometricCCDF(2.6, 0.3), GeometricCCDF(2, 0.3)),
        CASE(GeometricCDF(0, 0.3), 0.3),
        CASE(GeometricCCDF(1, 0.5), 0.25),
        CASE(GeometricCDFInv(0, 0.3), 0),
        CASE(GeometricCDFInv(1, 0.3), Inf),
        CASE(GeometricCCDFInv(1, 0.3), 0),
        CASE(GeometricCCDFInv(0, 0.3), Inf),
        // Failures before the first success, as the CDF counts them.
        CASE(GeometricCDFInv(0.5, 0.5), 0),
        CASE(GeometricCDFInv(0.75, 0.5), 1),
        CASE(GeometricCDFInv(0.7500000000000001, 0.5), 2),
        CASE(GeometricCCDFInv(0.25, 0.5), 1),
        CASE(GeometricCCDFInv(0.24999999999999997, 0.5), 2),
    });
}

// p = 1: every trial succeeds, all mass at 0 and the CDF 1 from there on.
// p = 0 (accepted by the inverse alone): a success never comes.
TEST(Geometric, DegenerateSuccessProbabilities) {
    CheckAll({
        CASE(GeometricPDF(0, 1), 1),
        CASE(GeometricPDF(3, 1), 0),
        CASE(GeometricCDF(0, 1), 1),
        CASE(GeometricCDF(5, 1), 1),
        CASE(GeometricCDF(3e9, 1), 1),
        CASE(GeometricCCDF(0, 1), 0),
        CASE(GeometricCDFInv(0.5, 1), 0),
        CASE(GeometricCCDFInv(0.5, 0), Inf),
        CASE(GeometricCDFInv(0.5, 0), Inf),
        CASE(GeometricCDFInv(1e-300, 0), Inf),
        CASE(GeometricCDFInv(0, 0), 0),
    });
}

// Closed forms in long double from the exact p.
TEST(Geometric, MassesAndTailsMatchClosedForms) {
    for (double p : {0.01, 0.3, 0.5, 0.9})
        for (int k : {0, 1, 2, 7, 40, 300}) {
            const long double q = 1 - static_cast<long double>(p);
            EXPECT_NEAR_REL(GeometricPDF(k, p), static_cast<double>(p * std::pow(q, k)), 1e-15)
                << k << " " << p;
            EXPECT_NEAR_REL(GeometricCDF(k, p), static_cast<double>(1 - std::pow(q, k + 1)), 1e-15)
                << k << " " << p;
            EXPECT_NEAR_REL(GeometricCCDF(k, p), static_cast<double>(std::pow(q, k + 1)), 1e-15)
                << k << " " << p;
        }
}

TEST(Geometric, QuantilesMeetTheirDefinition) {
    for (double p : {1e-12, 0.01, 0.3, 0.5, 0.9}) {
        const auto cdf = [p](double k) {
            return k < 0 ? 0.0
                         : static_cast<double>(
                               -std::expm1((k + 1) * std::log1p(-static_cast<long double>(p))));
        };
        const auto ccdf = [p](double k) {
            return k < 0 ? 1.0
                         : static_cast<double>(
                               std::exp((k + 1) * std::log1p(-static_cast<long double>(p))));
        };
        const std::string what = "Geometric " + std::to_string(p);
        const auto inv = [p](double q) { return GeometricCDFInv(q, p); };
        const auto cinv = [p](double q) { return GeometricCCDFInv(q, p); };
        disttest::CheckQuantileDefinition(what, cdf, ccdf, inv, cinv, 1e-13);
        disttest::CheckQuantilesInvertOwnTails(
            what, [p](double k) { return GeometricCDF(k, p); },
            [p](double k) { return GeometricCCDF(k, p); }, inv, cinv, {0, 1, 5, std::floor(1 / p)});
    }
}

// Points and quantiles beyond the 32-bit range; mpmath at 40 digits.
TEST(Geometric, BeyondThe32BitRange) {
    EXPECT_NEAR_REL(GeometricCDF(3e9, 1e-10), 0.2591817794034762374, 1e-14);
    EXPECT_NEAR_REL(GeometricPDF(3e9, 1e-10), 7.408182206706056116e-11, 1e-14);
    EXPECT_EQ(GeometricCDFInv(0.5, 1e-12), 693147180559);
    EXPECT_EQ(GeometricPDF(Inf, 0.3), 0);
    EXPECT_EQ(GeometricCDF(Inf, 0.3), 1);
    EXPECT_EQ(GeometricCCDF(Inf, 0.3), 0);
    // Beyond 2^53 every double is whole: the quantile is the first double
    // whose tail reaches the probability (ln 2 / p here).
    for (double prob : {0.5, 1e-300}) {
        const double k = GeometricCCDFInv(prob, 1e-300);
        EXPECT_NEAR_REL(k, -std::log(prob) * 1e300, 1e-15) << prob;
        EXPECT_LE(GeometricCCDF(k, 1e-300), prob) << prob;
        EXPECT_GT(GeometricCCDF(std::nextafter(k, 0.0), 1e-300), prob) << prob;
    }
}

TEST(Geometric, MatchesReferenceTable) {
    const std::map<std::string, testsupport::RefCall> calls = {
        {"GeometricPDF", [](const auto& a) { return GeometricPDF(a[0], a[1]); }},
        {"GeometricCDF", [](const auto& a) { return GeometricCDF(a[0], a[1]); }},
        {"GeometricCCDF", [](const auto& a) { return GeometricCCDF(a[0], a[1]); }},
        {"GeometricCDFInv", [](const auto& a) { return GeometricCDFInv(a[0], a[1]); }},
        {"GeometricCCDFInv", [](const auto& a) { return GeometricCCDFInv(a[0], a[1]); }},
    };
    testsupport::CheckReferenceTable(disttest::ReferenceRows("Geometric", false), calls, 64);
    testsupport::CheckReferenceTable(disttest::ReferenceRows("Geometric", true), calls, 0);
}

}  // namespace
