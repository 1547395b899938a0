// Hypergeometric distribution: domain answers, the support's lower end,
// masses against direct products and at real points, masses summing to 1,
// the CDF as their sum, the quantile walk with its Eps rule, and
// populations near the 32-bit limit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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
        {"HypGeometricPDF(1, -1, 3, 9)", HypGeometricPDF(1, -1, 3, 9), NaN},
        {"HypGeometricPDF(1, 10, 11, 9)", HypGeometricPDF(1, 10, 11, 9), NaN},
        {"HypGeometricPDF(1, 10, 3, 11)", HypGeometricPDF(1, 10, 3, 11), NaN},
        {"HypGeometricPDF(1, 10, 3, -9)", HypGeometricPDF(1, 10, 3, -9), NaN},
        {"HypGeometricPDF(NaN, 10, 3, 9)", HypGeometricPDF(NaN, 10, 3, 9), NaN},
        // x = 4 exceeds K; x = 1 lies below N + K - M = 2.
        {"HypGeometricPDF(4, 10, 3, 9)", HypGeometricPDF(4, 10, 3, 9), NaN},
        {"HypGeometricPDF(1, 10, 3, 9)", HypGeometricPDF(1, 10, 3, 9), 0},
        {"HypGeometricPDF(-1, 20, 3, 9)", HypGeometricPDF(-1, 20, 3, 9), 0},
        {"HypGeometricCDF(-1, 20, 3, 9)", HypGeometricCDF(-1, 20, 3, 9), NaN},
        {"HypGeometricCDF(4, 10, 3, 9)", HypGeometricCDF(4, 10, 3, 9), NaN},
        {"HypGeometricCDF(1, 10, 3, 9)", HypGeometricCDF(1, 10, 3, 9), 0},
        {"HypGeometricCDF(NaN, 10, 3, 9)", HypGeometricCDF(NaN, 10, 3, 9), NaN},
        {"HypGeometricCDFInv(-0.1, 10, 3, 9)", HypGeometricCDFInv(-0.1, 10, 3, 9), NaN},
        {"HypGeometricCDFInv(1.1, 10, 3, 9)", HypGeometricCDFInv(1.1, 10, 3, 9), NaN},
        {"HypGeometricCDFInv(0.5, 10, 11, 9)", HypGeometricCDFInv(0.5, 10, 11, 9), NaN},
        {"HypGeometricCDFInv(NaN, 10, 3, 9)", HypGeometricCDFInv(NaN, 10, 3, 9), NaN},
        {"HypGeometricCDFInv(0, 10, 3, 9)", HypGeometricCDFInv(0, 10, 3, 9), 0},
        // Every item drawn: all mass at K.
        {"HypGeometricPDF(3, 10, 3, 10)", HypGeometricPDF(3, 10, 3, 10), 1},
        {"HypGeometricCDFInv(0.5, 10, 3, 10)", HypGeometricCDFInv(0.5, 10, 3, 10), 3},
        {"HypGeometricCDFInv(0.5, INT32_MAX, INT32_MAX, INT32_MAX)",
         HypGeometricCDFInv(0.5, INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX},
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
    const std::int32_t populations[][3] = {{10, 3, 9}, {20, 7, 12}, {50, 25, 10}, {60, 1, 30}, {40, 40, 7}};
    for (const auto& pop : populations) {
        const std::int32_t M = pop[0], K = pop[1], N = pop[2];
        for (std::int32_t k = std::max(0, N + K - M); k <= std::min(N, K); ++k) {
            const long double want = choose(K, k) * choose(M - K, N - k) / choose(M, N);
            EXPECT_NEAR_REL(HypGeometricPDF(k, M, K, N), static_cast<double>(want), 1e-13)
                << "HypGeometricPDF(" << k << ", " << M << ", " << K << ", " << N << ")";
        }
    }
}

// The point is not reduced: the log-gamma formula is taken at the real x.
// mpmath at 40 digits, binomial coefficients through the gamma function.
TEST(HypGeometric, RealPointsAndLargePopulations) {
    struct Case {
        double x;
        std::int32_t M, K, N;
        double want, rel;
    };
    const Case cases[] = {
        {1.5, 20, 7, 12, 0.016462127202855970, 1e-13},
        {2.25, 50, 10, 25, 0.045246372513942516, 1e-13},
        {500000, 10000000, 1000000, 5000000, 0.00084104396140946957, 1e-8},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(HypGeometricPDF(c.x, c.M, c.K, c.N), c.want, c.rel)
            << "HypGeometricPDF(" << c.x << ", " << c.M << ", " << c.K << ", " << c.N << ")";
}

// Each mass carries the rounding of LnGamma(M + 1), 1e-16 relative to its
// size (about 1e6 for M = 100000), and the total with it.
TEST(HypGeometric, MassesSumToOne) {
    struct Case {
        std::int32_t M, K, N;
        double error;
    };
    const Case cases[] = {{10, 3, 9, 1e-14},      {20, 7, 12, 1e-14},        {50, 25, 10, 1e-13},
                          {1000, 300, 500, 1e-12}, {100000, 5000, 20000, 1e-9}, {7, 0, 4, 0}};
    for (const Case& c : cases) {
        const std::int32_t top = std::min(c.N, c.K);
        const std::vector<double> sums =
            disttest::RunningSums([&](double k) { return HypGeometricPDF(k, c.M, c.K, c.N); }, top);
        EXPECT_NEAR(sums.back(), 1, c.error) << c.M << ", " << c.K << ", " << c.N;
        const double cdf = HypGeometricCDF(top, c.M, c.K, c.N);
        EXPECT_NEAR(cdf, 1, c.error) << c.M << ", " << c.K << ", " << c.N;
        EXPECT_LE(cdf, 1) << c.M << ", " << c.K << ", " << c.N;
    }
}

TEST(HypGeometric, DistributionIsTheSumOfTheMasses) {
    const std::int32_t populations[][3] = {{10, 3, 9}, {20, 7, 12}, {1000, 300, 500}};
    for (const auto& pop : populations) {
        const std::int32_t M = pop[0], K = pop[1], N = pop[2];
        disttest::CheckCdfIsSumOfMasses(
            "HypGeometric " + std::to_string(M) + ", " + std::to_string(K) + ", " + std::to_string(N),
            [&](double k) { return HypGeometricPDF(k, M, K, N); },
            [&](double x) { return HypGeometricCDF(x, M, K, N); }, std::min(N, K), 0);
        EXPECT_EQ(HypGeometricCDF(2.7, M, K, N), HypGeometricCDF(2, M, K, N));
    }
}

// The quantile counts the steps taken while the running sum was more than
// Eps below p: it is the first k whose sum comes within Eps of p.
TEST(HypGeometric, QuantileIsTheFirstPointWithinEpsOfTheProbability) {
    const std::int32_t populations[][3] = {{10, 3, 9}, {20, 7, 12}, {1000, 300, 500}, {60, 1, 30}};
    for (const auto& pop : populations) {
        const std::int32_t M = pop[0], K = pop[1], N = pop[2];
        const std::int32_t top = std::min(N, K);
        const std::vector<double> sums =
            disttest::RunningSums([&](double k) { return HypGeometricPDF(k, M, K, N); }, top);
        for (double p : disttest::QuantileGrid()) {
            const int first = disttest::FirstReaching(
                sums, [p](double s) { return static_cast<long double>(s) + numkern::Eps >= p; });
            EXPECT_EQ(HypGeometricCDFInv(p, M, K, N), first < 0 ? top : first)
                << M << ", " << K << ", " << N << " at p = " << p;
        }
    }
    // Below Eps every p counts as reached at once, even where the support
    // starts above 0 (here at 2).
    EXPECT_EQ(HypGeometricCDFInv(1e-17, 10, 3, 9), 0);
    EXPECT_EQ(HypGeometricCDFInv(0.01, 10, 3, 9), 2);
}

// Populations near the 32-bit limit: about a million points carry mass.
TEST(HypGeometric, LargePopulations) {
    const std::int32_t half = INT32_MAX / 2;
    EXPECT_NEAR(HypGeometricCDF(half / 2, INT32_MAX, half, half), 0.5, 1e-4);
    disttest::CheckQuantilesByCdf("HypGeometric near INT32_MAX",
                                  [&](double x) { return HypGeometricCDF(x, INT32_MAX, half, half); },
                                  [&](double p) { return HypGeometricCDFInv(p, INT32_MAX, half, half); },
                                  1e-5);
}

}  // namespace
