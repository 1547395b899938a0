// Binomial: exact against Pascal's triangle in 64-bit integers, large
// coefficients against mpmath, overflow to +Inf, and arguments outside
// 0 <= K <= N, INT32 extremes included.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "distrium/distrium.h"
#include "tests/support/accuracy.h"

namespace {

using distrium::Binomial;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Binomial, ExactAgainstPascalsTriangle) {
    // Every C(n, k) with n <= 50 is below 2^53 and must come out exactly.
    constexpr int kRows = 51;
    // One entry more than the last row: stepping to the next row writes it.
    std::uint64_t row[kRows + 1] = {1};
    for (int n = 0; n < kRows; ++n) {
        for (int k = 0; k <= n; ++k) {
            SCOPED_TRACE(::testing::Message() << "C(" << n << ", " << k << ")");
            EXPECT_EQ(Binomial(n, k), static_cast<double>(row[k]));
        }
        for (int k = n + 1; k > 0; --k) row[k] += row[k - 1];
    }
}

TEST(Binomial, Table) {
    struct Case {
        std::int32_t n, k;
        double want;
        double eps;
    };
    // Large values: mpmath binomial(n, k).
    const Case cases[] = {
        {52, 5, 2598960, 0},
        {4, 0, 1, 0},
        {4, 4, 1, 0},
        {7, 6, 7, 0},
        {4, -1, 0, 0},
        {0, 0, 1, 0},
        {1000, 500, 2.7028824094543656952e+299, 2000},
        {100, 50, 1.008913445455641933348125e+29, 200},
        {1000000, 3, 166666166667000000.0, 4},
        // N + 1 - i and N - 1 would overflow 32-bit arithmetic here.
        {INT32_MAX, 2, 2305843005992468481.0, 2},
        {INT32_MAX, INT32_MAX - 1, INT32_MAX, 0},
        {INT32_MAX, 1, INT32_MAX, 0},
        {INT32_MAX, INT32_MAX, 1, 0},
        // Overflow to +Inf, early: the loop would otherwise run a billion times.
        {1100, 550, kInf, 0},
        {INT32_MAX, 1000000000, kInf, 0},
        {INT32_MAX, INT32_MAX / 2, kInf, 0},
        // No ways to choose more than there are, nor from a negative count.
        {4, 5, 0, 0},
        {0, 1, 0, 0},
        {-5, 2, 0, 0},
        {INT32_MIN, 0, 0, 0},
        {INT32_MIN, INT32_MIN, 0, 0},
        {5, INT32_MIN, 0, 0},
        {5, INT32_MAX, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "C(" << c.n << ", " << c.k << ")");
        EXPECT_NEAR_EPS(Binomial(c.n, c.k), c.want, c.eps);
    }
}

TEST(Binomial, SymmetricInKAndNMinusK) {
    for (int k = 0; k <= 300; k += 7) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Binomial(300, k), Binomial(300, 300 - k));
    }
}

TEST(Binomial, LongProductsStayFast) {
    // K = 1000000 with a finite result would be a million steps; a
    // coefficient with N = 2 * K overflows after a few hundred.
    EXPECT_EQ(Binomial(2000000, 1000000), kInf);
}

}  // namespace
