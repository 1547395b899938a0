// Normal and log-normal distributions: domain answers, well-known values
// of the standard normal, the C library's erfc as an independent check, and
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

TEST(NormalFamily, DomainAndBoundaryValues) {
    CheckAll({
        CASE(NormalPDF(0, 0, 0), NaN),
        CASE(NormalPDF(0, 0, -1), NaN),
        CASE(NormalCDF(0, 0, 0), NaN),
        CASE(NormalCDF(0, 0, -2), NaN),
        CASE(NormalCDFInv(0.5, 0, 0), NaN),
        CASE(NormalCDFInv(0.5, 0, -1), NaN),
        CASE(NormalCDFInv(-0.1, 0, 1), NaN),
        CASE(NormalCDFInv(1.1, 0, 1), NaN),
        CASE(NormalCDFInv(0, 3, 2), -Inf),
        CASE(NormalCDFInv(1, 3, 2), Inf),
        // ErfInv(0) = 0 gives mu exactly.
        CASE(NormalCDFInv(0.5, 3.7, 2), 3.7),
        CASE(NormalCDF(3.7, 3.7, 2), 0.5),
        {"NormalCDF(mu + 40 sigma)", NormalCDF(1 + 40 * 0.5, 1, 0.5), 1},
        {"NormalCDF(mu - 40 sigma)", NormalCDF(1 - 40 * 0.5, 1, 0.5), 0},
        CASE(LogNormalPDF(0, 0, 1), NaN),
        CASE(LogNormalPDF(-1, 0, 1), NaN),
        CASE(LogNormalPDF(1, 0, 0), NaN),
        CASE(LogNormalCDF(0, 0, 1), NaN),
        CASE(LogNormalCDF(-1, 0, 1), NaN),
        CASE(LogNormalCDF(1, 0, -1), NaN),
        CASE(LogNormalCDF(1, 0, 1), 0.5),
        CASE(LogNormalCDFInv(0, 0, 1), 0),
        CASE(LogNormalCDFInv(0, 5, 0.01), 0),
        CASE(LogNormalCDFInv(1, 0, 1), Inf),
        CASE(LogNormalCDFInv(1, -5, 30), Inf),
        CASE(LogNormalCDFInv(0.5, 0, 1), 1),
        CASE(LogNormalCDFInv(1.5, 0, 1), NaN),
        CASE(LogNormalCDFInv(0.5, 0, 0), NaN),
        CASE(NormalPDF(NaN, 0, 1), NaN),
        CASE(NormalCDF(0, NaN, 1), NaN),
        CASE(NormalCDFInv(0.5, 0, NaN), NaN),
        CASE(LogNormalPDF(1, NaN, 1), NaN),
        CASE(LogNormalCDF(NaN, 0, 1), NaN),
        CASE(LogNormalCDFInv(NaN, 0, 1), NaN),
    });
}

// A density far out in the tail is 0: its exponent overflows the double
// range, where the kernel's Exp alone would answer NaN.
TEST(NormalFamily, OverflowedExponentGivesZeroDensity) {
    CheckAll({
        CASE(NormalPDF(1e200, 0, 1), 0),
        CASE(NormalPDF(-1e160, 0, 1), 0),
        CASE(NormalPDF(1, 0, 1e-300), 0),
        CASE(LogNormalPDF(1e-300, 0, 1e-200), 0),
    });
}

// Well-known values of the standard normal; reference digits from a
// 250-digit erf series in Python's decimal module.
TEST(NormalFamily, StandardNormalValues) {
    struct Case {
        double z, cdf;
    };
    const Case cdfCases[] = {
        {1.96, 0.97500210485177952}, {1, 0.84134474606854293}, {-1, 0.15865525393145705},
        {0.3, 0.61791142218895267},  {3, 0.9986501019683699},  {-2.5, 0.0062096653257761349},
    };
    for (const Case& c : cdfCases) EXPECT_NEAR_REL(NormalCDF(c.z, 0, 1), c.cdf, 1e-14) << c.z;

    struct Quantile {
        double p, z, rel;
    };
    // The relative error of 2p - 1 near -1 grows like eps / p in the tails.
    const Quantile quantiles[] = {
        {0.975, 1.9599639845400543, 1e-15}, {0.95, 1.6448536269514726, 1e-15},
        {0.99, 2.3263478740408412, 1e-15},  {0.025, -1.9599639845400543, 1e-14},
        {0.3, -0.52440051270804078, 1e-15}, {0.001, -3.0902323061678136, 1e-13},
        {0.999, 3.0902323061678136, 1e-13},
    };
    for (const Quantile& q : quantiles) EXPECT_NEAR_REL(NormalCDFInv(q.p, 0, 1), q.z, q.rel) << q.p;

    EXPECT_NEAR_EPS(NormalPDF(2, 2, 3), 1 / (numkern::Sqrt2Pi * 3), 1);
}

// The C library's erfc and exp are an independent implementation.
TEST(NormalFamily, MatchesTheCLibrary) {
    struct Case {
        double x, mu, sigma;
    };
    const Case cases[] = {
        {0.5, 0, 1}, {-3, 1, 2}, {10, 4, 5}, {1e3, 1e3 + 1, 0.5}, {-0.2, 0.1, 0.3}};
    for (const Case& c : cases) {
        const double z = (c.x - c.mu) / c.sigma;
        const double pdf = std::exp(-0.5 * z * z) / (std::sqrt(2 * std::numbers::pi) * c.sigma);
        const double cdf = 0.5 * std::erfc(-z / std::sqrt(2.0));
        EXPECT_NEAR_REL(NormalPDF(c.x, c.mu, c.sigma), pdf, 1e-15) << c.x;
        EXPECT_NEAR_REL(NormalCDF(c.x, c.mu, c.sigma), cdf, 1e-14) << c.x;
        // The log-normal is the normal in ln x.
        const double y = std::exp(c.x);
        if (!std::isnormal(y)) continue;
        EXPECT_NEAR_REL(LogNormalCDF(y, c.mu, c.sigma), cdf, 1e-14) << c.x;
        EXPECT_NEAR_REL(LogNormalPDF(y, c.mu, c.sigma), pdf / y, 1e-14) << c.x;
    }
}

TEST(NormalFamily, LogNormalInverseIsExpOfNormalInverse) {
    for (double p : disttest::ProbabilityGrid())
        EXPECT_NEAR_REL(LogNormalCDFInv(p, 0.5, 0.8), std::exp(NormalCDFInv(p, 0.5, 0.8)), 1e-15)
            << p;
}

TEST(NormalFamily, RoundTrips) {
    // (erf + 1) / 2 and 2p - 1 both cancel in the lower tail: about eps / p.
    for (double sigma : {0.1, 1.0, 25.0}) {
        CheckRoundTrip(
            "normal sigma = " + std::to_string(sigma),
            [&](double x) { return NormalCDF(x, -2, sigma); },
            [&](double p) { return NormalCDFInv(p, -2, sigma); }, 1e-9);
        CheckRoundTrip(
            "log-normal sigma = " + std::to_string(sigma),
            [&](double x) { return LogNormalCDF(x, 1, sigma); },
            [&](double p) { return LogNormalCDFInv(p, 1, sigma); }, 1e-9);
    }
}

}  // namespace
