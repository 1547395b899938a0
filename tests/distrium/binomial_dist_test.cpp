// Binomial distribution: domain answers, the truncation of the point, masses
// against direct products, the CDF against the sum of the masses, the
// quantile walk, and n in the thousands to billions, where the product of
// the formula overflows and the walk must stay fast.
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

TEST(BinomialDist, DomainValues) {
    CheckAll({
        {"BinomPDF(1, 5, -0.1)", BinomPDF(1, 5, -0.1), NaN},
        {"BinomPDF(1, 5, 1.1)", BinomPDF(1, 5, 1.1), NaN},
        {"BinomPDF(1, 0, 0.5)", BinomPDF(1, 0, 0.5), NaN},
        {"BinomPDF(6, 5, 0.5)", BinomPDF(6, 5, 0.5), NaN},
        {"BinomPDF(5.5, 5, 0.5)", BinomPDF(5.5, 5, 0.5), NaN},
        {"BinomCDF(1, 5, -0.1)", BinomCDF(1, 5, -0.1), NaN},
        {"BinomCDF(1, -3, 0.5)", BinomCDF(1, -3, 0.5), NaN},
        {"BinomCDF(6, 5, 0.5)", BinomCDF(6, 5, 0.5), NaN},
        {"BinomCDFInv(0.5, -1, 0.5)", BinomCDFInv(0.5, -1, 0.5), NaN},
        {"BinomCDFInv(0.5, 5, 1.5)", BinomCDFInv(0.5, 5, 1.5), NaN},
        {"BinomCDFInv(-0.5, 5, 0.5)", BinomCDFInv(-0.5, 5, 0.5), NaN},
        {"BinomCDFInv(1.5, 5, 0.5)", BinomCDFInv(1.5, 5, 0.5), NaN},
        // n = 0 is accepted by the inverse alone, and answers 0.
        {"BinomCDFInv(0.5, 0, 0.5)", BinomCDFInv(0.5, 0, 0.5), 0},
        {"BinomPDF(NaN, 5, 0.5)", BinomPDF(NaN, 5, 0.5), NaN},
        {"BinomPDF(1, 5, NaN)", BinomPDF(1, 5, NaN), NaN},
        {"BinomCDF(NaN, 5, 0.5)", BinomCDF(NaN, 5, 0.5), NaN},
        {"BinomCDFInv(NaN, 5, 0.5)", BinomCDFInv(NaN, 5, 0.5), NaN},
    });
}

// A non-integer point is truncated: 2.7 has the mass of 2, -0.5 that of 0
// (through the general formula, (1-p)^n by IntPower as in BinomCDF(0)),
// -1 and below have mass 0 for p > 0 and NaN for p = 0 (p^k is infinite).
TEST(BinomialDist, PointIsTruncated) {
    CheckAll({
        {"BinomPDF(2.7, 10, 0.3)", BinomPDF(2.7, 10, 0.3), BinomPDF(2, 10, 0.3)},
        {"BinomPDF(9.99, 10, 0.3)", BinomPDF(9.99, 10, 0.3), BinomPDF(9, 10, 0.3)},
        {"BinomPDF(-0.5, 10, 0.3)", BinomPDF(-0.5, 10, 0.3), BinomCDF(0, 10, 0.3)},
        {"BinomPDF(-1, 10, 0.3)", BinomPDF(-1, 10, 0.3), 0},
        {"BinomPDF(-2000, 10, 0.3)", BinomPDF(-2000, 10, 0.3), 0},
        {"BinomPDF(-1e300, 10, 0.3)", BinomPDF(-1e300, 10, 0.3), 0},
        {"BinomPDF(-1, 10, 0)", BinomPDF(-1, 10, 0), NaN},
        {"BinomCDF(2.7, 10, 0.3)", BinomCDF(2.7, 10, 0.3), BinomCDF(2, 10, 0.3)},
        {"BinomCDF(-1, 10, 0.3)", BinomCDF(-1, 10, 0.3), 0},
        {"BinomCDF(-1e300, 10, 0.3)", BinomCDF(-1e300, 10, 0.3), 0},
        {"BinomCDF(10, 10, 0.3)", BinomCDF(10, 10, 0.3), 1},
        // p = 0 and p = 1 put the whole mass at one end.
        {"BinomPDF(0, 7, 0)", BinomPDF(0, 7, 0), 1},
        {"BinomPDF(3, 7, 0)", BinomPDF(3, 7, 0), 0},
        {"BinomPDF(7, 7, 1)", BinomPDF(7, 7, 1), 1},
        {"BinomPDF(6, 7, 1)", BinomPDF(6, 7, 1), 0},
        {"BinomPDF(600, 4000, 1)", BinomPDF(600, 4000, 1), 0},
    });
    EXPECT_NEAR_REL(BinomCDF(-0.5, 10, 0.3), std::pow(0.7, 10), 1e-14);
}

// C(n, k) p^k (1-p)^(n-k) with the coefficient multiplied out exactly in
// 64-bit integers.
TEST(BinomialDist, MassesMatchDirectProducts) {
    struct Case {
        std::int32_t n;
        double p;
    };
    const Case cases[] = {{1, 0.3}, {5, 0.5}, {10, 0.1}, {20, 0.73}, {40, 0.05}, {60, 0.5}};
    for (const Case& c : cases) {
        std::uint64_t choose = 1;
        for (std::int32_t k = 0; k <= c.n; ++k) {
            if (k > 0) choose = choose * (c.n - k + 1) / k;
            const long double want = choose * std::pow(static_cast<long double>(c.p), k) *
                                     std::pow(1 - static_cast<long double>(c.p), c.n - k);
            EXPECT_NEAR_EPS(BinomPDF(k, c.n, c.p), static_cast<double>(want), 16)
                << "BinomPDF(" << k << ", " << c.n << ", " << c.p << ")";
        }
    }
}

// The CDF is 1 - I_p(k + 1, n - k): near 0 it cancels, so the error is
// absolute, and I_p carries the rounding of LnGamma(n + 2) in its factor.
TEST(BinomialDist, DistributionIsTheSumOfTheMasses) {
    for (std::int32_t n : {1, 6, 25, 90})
        for (double p : {0.02, 0.5, 0.8})
            disttest::CheckCdfIsSumOfMasses(
                "Binomial n = " + std::to_string(n) + ", p = " + std::to_string(p),
                [=](double k) { return BinomPDF(k, n, p); }, [=](double x) { return BinomCDF(x, n, p); },
                n, 1e-13);
}

TEST(BinomialDist, QuantileIsTheFirstPointReachingTheProbability) {
    for (std::int32_t n : {1, 6, 25, 90, 1500})
        for (double p : {0.0, 0.02, 0.5, 0.8, 1.0})
            disttest::CheckQuantiles("Binomial n = " + std::to_string(n) + ", p = " + std::to_string(p),
                                     [=](double k) { return BinomPDF(k, n, p); },
                                     [=](double q) { return BinomCDFInv(q, n, p); }, n);
}

// 0 up to (1-p)^n; n when the sum of the masses stays below prob (or
// reaches it only with the last mass).
TEST(BinomialDist, QuantileAtTheEnds) {
    CheckAll({
        {"BinomCDFInv(0, 10, 0.3)", BinomCDFInv(0, 10, 0.3), 0},
        {"BinomCDFInv(0.7^10, 10, 0.3)", BinomCDFInv(BinomPDF(0, 10, 0.3), 10, 0.3), 0},
        {"BinomCDFInv(1, 10, 0.3)", BinomCDFInv(1, 10, 0.3), 10},
    });
}

// Past n of about 1030 C(n, k) overflows, and a stored p^k underflows while
// the mass does not: the formula's product would give Inf, NaN or 0. The
// masses there keep about 1e-15 in the bulk and the rounding of an exponent
// of several hundred (5e-14) far out; mpmath at 40 digits, with p whose
// complement 1 - p is a double, so that the reference has the same law.
TEST(BinomialDist, LargeTrialCountsGiveTheMass) {
    struct Case {
        double x;
        std::int32_t n;
        double p, want;
    };
    const Case cases[] = {
        {1234, 2000, 0.6, 0.0054706341584559267725},
        {1080, 1100, 0.5, 1.7110871049042229821e-289},
        {500000, 1000000, 0.5, 0.00079788436133175008909},
        {505732, 1000000, 0.5, 2.3074762485914484308e-32},
        {481479, 1000000, 0.5, 7.659748288387023032e-302},
        {900000, 1000000, 0.9, 0.0013298064808525465258},
        {5000000, 10000000, 0.5, 0.00025231324589418477862},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(BinomPDF(c.x, c.n, c.p), c.want, 1e-13)
            << "BinomPDF(" << c.x << ", " << c.n << ", " << c.p << ")";
}

// A probability near 1 is reached only when the masses of a long walk add
// up to 1 within the gap to it: masses off by 1e-9 stopped this walk below
// 1 - 1e-10, and it answered n. The upper tails at the answer and at the
// point before, summed at 40 digits, are 9.919e-11 and 1.0138e-10; the
// double 0.9999999999 is 1 - 1.00000008e-10.
TEST(BinomialDist, QuantileNearOneOverAMillionTrials) {
    EXPECT_EQ(BinomCDFInv(0.9999999999, 1000000, 0.9), 901903);
}

// Supports of a million to two billion points: the walk skips the masses
// that underflow and carries the rest, within the library's accuracy there.
TEST(BinomialDist, LargeTrialCountQuantiles) {
    struct Case {
        std::int32_t n;
        double p, rel;
    };
    const Case cases[] = {{100000, 0.5, 1e-10}, {1000000, 0.01, 1e-8}, {INT32_MAX, 0.3, 1e-5}};
    for (const Case& c : cases)
        disttest::CheckQuantilesByCdf("Binomial n = " + std::to_string(c.n),
                                      [=](double x) { return BinomCDF(x, c.n, c.p); },
                                      [=](double q) { return BinomCDFInv(q, c.n, c.p); }, c.rel);
}

}  // namespace
