// Hypergeometric distribution: domain answers, the support's edges,
// non-whole and near-whole points, masses against direct products and
// mpmath, masses summing to 1, both tails against the masses and mpmath,
// and both quantiles against their definition up to M = 2^31 - 1.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/discrete_checks.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::NaN;

TEST(HypGeometric, DomainAndSupportValues) {
    CheckAll({
        CASE(HypGeometricPDF(1, -1, 3, 9), NaN),
        CASE(HypGeometricPDF(1, 10, 11, 9), NaN),
        CASE(HypGeometricPDF(1, 10, 3, 11), NaN),
        CASE(HypGeometricPDF(1, 10, 3, -9), NaN),
        CASE(HypGeometricPDF(NaN, 10, 3, 9), NaN),
        CASE(HypGeometricCCDF(1, 10, 3, 11), NaN),
        CASE(HypGeometricCCDFInv(0.5, -1, 3, 9), NaN),
        CASE(HypGeometricCCDFInv(-0.5, 10, 3, 9), NaN),
        // The support is 2..3 here: x = 4 exceeds K, x = 1 lies below
        // N + K - M = 2; a non-whole point has mass 0, the tails read its
        // floor; a point within a few ulps of a whole number is that number.
        CASE(HypGeometricPDF(4, 10, 3, 9), 0),
        CASE(HypGeometricPDF(1, 10, 3, 9), 0),
        CASE(HypGeometricPDF(-1, 20, 3, 9), 0),
        CASE(HypGeometricPDF(2.5, 10, 3, 9), 0),
        CASE(HypGeometricPDF(0.2, 20, 7, 12), 0),
        CASE(HypGeometricPDF(2.0000000000000004, 10, 3, 9), HypGeometricPDF(2, 10, 3, 9)),
        CASE(HypGeometricCDF(-1, 20, 3, 9), 0),
        CASE(HypGeometricCDF(4, 10, 3, 9), 1),
        CASE(HypGeometricCDF(1, 10, 3, 9), 0),
        CASE(HypGeometricCDF(2.7, 10, 3, 9), HypGeometricPDF(2, 10, 3, 9)),
        CASE(HypGeometricCCDF(1.5, 10, 3, 9), 1),
        CASE(HypGeometricCCDF(2.9999999999999996, 10, 3, 9), 0),
        CASE(HypGeometricCDFInv(1e-17, 10, 3, 9), 2),
        CASE(HypGeometricCDFInv(1, 10, 3, 9), 3),
        CASE(HypGeometricCCDFInv(0, 10, 3, 9), 3),
        CASE(HypGeometricCCDFInv(1, 10, 3, 9), 0),
        CASE(HypGeometricCDF(NaN, 10, 3, 9), NaN),
        CASE(HypGeometricCDFInv(-0.1, 10, 3, 9), NaN),
        CASE(HypGeometricCDFInv(1.1, 10, 3, 9), NaN),
        CASE(HypGeometricCDFInv(0.5, 10, 11, 9), NaN),
        CASE(HypGeometricCDFInv(NaN, 10, 3, 9), NaN),
        CASE(HypGeometricCDFInv(0, 10, 3, 9), 0),
        // Every item drawn: all mass at K.
        CASE(HypGeometricPDF(3, 10, 3, 10), 1),
        CASE(HypGeometricCDFInv(0.5, 10, 3, 10), 3),
        CASE(HypGeometricCDFInv(0.5, INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX),
    });
}

// C(K, k) C(M-K, N-k) / C(M, N) with the coefficients multiplied out in
// long double (exact at these sizes).
TEST(HypGeometric, MassesMatchDirectProducts) {
    const auto choose = [](int n, int k) {
        long double c = 1;
        for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
        return c;
    };
    const std::int32_t populations[][3] = {
        {10, 3, 9}, {20, 7, 12}, {50, 25, 10}, {60, 1, 30}, {40, 40, 7}};
    for (const auto& pop : populations) {
        const std::int32_t M = pop[0], K = pop[1], N = pop[2];
        for (std::int32_t k = std::max(0, N + K - M); k <= std::min(N, K); ++k) {
            const long double want = choose(K, k) * choose(M - K, N - k) / choose(M, N);
            EXPECT_NEAR_REL(HypGeometricPDF(k, M, K, N), static_cast<double>(want), 1e-13)
                << "HypGeometricPDF(" << k << ", " << M << ", " << K << ", " << N << ")";
        }
    }
}

// mpmath at 40 digits, binomial coefficients through the gamma function.
TEST(HypGeometric, LargePopulationsGiveTheMass) {
    EXPECT_NEAR_REL(HypGeometricPDF(500000, 10000000, 1000000, 5000000), 0.00084104396140946957,
                    1e-14);
}

// The masses in saddle-point form keep about 1e-15 each, and their total.
TEST(HypGeometric, MassesSumToOne) {
    struct Case {
        std::int32_t M, K, N;
        double error;
    };
    const Case cases[] = {
        {10, 3, 9, 1e-14},       {20, 7, 12, 1e-14},           {50, 25, 10, 1e-14},
        {1000, 300, 500, 1e-14}, {100000, 5000, 20000, 1e-14}, {7, 0, 4, 0}};
    for (const Case& c : cases) {
        const std::int32_t top = std::min(c.N, c.K);
        long double total = 0;
        for (std::int32_t k = 0; k <= top; ++k) total += HypGeometricPDF(k, c.M, c.K, c.N);
        EXPECT_NEAR(static_cast<double>(total), 1, c.error) << c.M << ", " << c.K << ", " << c.N;
        const double cdf = HypGeometricCDF(top, c.M, c.K, c.N);
        EXPECT_NEAR(cdf, 1, c.error) << c.M << ", " << c.K << ", " << c.N;
        EXPECT_LE(cdf, 1) << c.M << ", " << c.K << ", " << c.N;
    }
}

// Both tails against the masses summed in long double.
TEST(HypGeometric, TailsAreSumsOfTheMasses) {
    const std::int32_t populations[][3] = {
        {10, 3, 9}, {20, 7, 12}, {1000, 300, 500}, {100000, 5000, 20000}};
    for (const auto& pop : populations) {
        const std::int32_t M = pop[0], K = pop[1], N = pop[2];
        const double top = std::min(N, K);
        const disttest::MassSums sums{[&](double k) { return HypGeometricPDF(k, M, K, N); }, 0, top,
                                      double(N) * K / M};
        for (double k = 0; k < top; k += std::ceil(top / 15)) {
            EXPECT_NEAR_REL(HypGeometricCDF(k, M, K, N), sums.Cdf(k), 1e-13)
                << k << ", " << M << ", " << K << ", " << N;
            EXPECT_NEAR_REL(HypGeometricCCDF(k, M, K, N), sums.Ccdf(k), 1e-13)
                << k << ", " << M << ", " << K << ", " << N;
        }
    }
}

TEST(HypGeometric, QuantilesMeetTheirDefinition) {
    const std::int32_t populations[][3] = {{10, 3, 9},  {20, 7, 12},           {1000, 300, 500},
                                           {60, 1, 30}, {100000, 5000, 20000}, {40, 40, 7}};
    for (const auto& pop : populations) {
        const std::int32_t M = pop[0], K = pop[1], N = pop[2];
        const double mean = double(N) * K / M;
        const disttest::MassSums sums{[&](double k) { return HypGeometricPDF(k, M, K, N); }, 0,
                                      double(std::min(N, K)), mean};
        const std::string what = "HypGeometric " + std::to_string(M) + ", " + std::to_string(K) +
                                 ", " + std::to_string(N);
        const auto inv = [&](double p) { return HypGeometricCDFInv(p, M, K, N); };
        const auto cinv = [&](double p) { return HypGeometricCCDFInv(p, M, K, N); };
        disttest::CheckQuantileDefinition(
            what, [&](double k) { return sums.Cdf(k); }, [&](double k) { return sums.Ccdf(k); },
            inv, cinv, 1e-12);
        disttest::CheckQuantilesInvertOwnTails(
            what, [&](double k) { return HypGeometricCDF(k, M, K, N); },
            [&](double k) { return HypGeometricCCDF(k, M, K, N); }, inv, cinv,
            {2, std::floor(mean), std::floor(mean) + 3});
    }
}

// mpmath: masses and tails to a few ulps, quantiles exactly, up to
// M = 2^31 - 1.
TEST(HypGeometric, MatchesReferenceTable) {
    const auto call = [](double (*f)(double, std::int32_t, std::int32_t, std::int32_t)) {
        return [f](const std::array<double, 4>& a) {
            return f(a[0], static_cast<std::int32_t>(a[1]), static_cast<std::int32_t>(a[2]),
                     static_cast<std::int32_t>(a[3]));
        };
    };
    const std::map<std::string, testsupport::RefCall> calls = {
        {"HypGeometricPDF", call(HypGeometricPDF)},
        {"HypGeometricCDF", call(HypGeometricCDF)},
        {"HypGeometricCCDF", call(HypGeometricCCDF)},
        {"HypGeometricCDFInv", call(HypGeometricCDFInv)},
        {"HypGeometricCCDFInv", call(HypGeometricCCDFInv)},
    };
    testsupport::CheckReferenceTable(disttest::ReferenceRows("HypGeometric", false), calls, 64);
    testsupport::CheckReferenceTable(disttest::ReferenceRows("HypGeometric", true), calls, 0);
}

// Populations near the 32-bit limit: about a million points carry mass.
TEST(HypGeometric, LargePopulations) {
    const std::int32_t half = INT32_MAX / 2;
    EXPECT_NEAR(HypGeometricCDF(half / 2, INT32_MAX, half, half), 0.5, 1e-4);
    EXPECT_EQ(HypGeometricCDFInv(0.5, INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
}

}  // namespace
