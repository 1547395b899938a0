// Binomial distribution: domain answers, the truncation of the point and
// points near whole numbers, masses against direct products and mpmath,
// both tails against the masses and mpmath, and both quantiles against
// their definition for n up to 2^31 - 1.
#include <gtest/gtest.h>

#include <cfloat>
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

TEST(BinomialDist, DomainValues) {
    CheckAll({
        CASE(BinomPDF(1, 5, -0.1), NaN),
        CASE(BinomPDF(1, 5, 1.1), NaN),
        CASE(BinomPDF(1, 0, 0.5), NaN),
        CASE(BinomCDF(1, 5, -0.1), NaN),
        CASE(BinomCDF(1, -3, 0.5), NaN),
        CASE(BinomCCDF(1, 5, 1.5), NaN),
        CASE(BinomCCDFInv(0.5, 5, -0.5), NaN),
        CASE(BinomCCDFInv(1.5, 5, 0.5), NaN),
        CASE(BinomCDFInv(0.5, -1, 0.5), NaN),
        CASE(BinomCDFInv(0.5, 5, 1.5), NaN),
        CASE(BinomCDFInv(-0.5, 5, 0.5), NaN),
        CASE(BinomCDFInv(1.5, 5, 0.5), NaN),
        // n = 0 is accepted by the inverse alone, and answers 0.
        CASE(BinomCDFInv(0.5, 0, 0.5), 0),
        CASE(BinomPDF(NaN, 5, 0.5), NaN),
        CASE(BinomPDF(1, 5, NaN), NaN),
        CASE(BinomCDF(NaN, 5, 0.5), NaN),
        CASE(BinomCDFInv(NaN, 5, 0.5), NaN),
    });
}

// The mass truncates a non-integer point (2.7 has the mass of 2, -0.5 that
// of 0, 5.5 that of 5 for n = 5); a truncated point outside 0..n has mass 0.
// The tails read floor(x): 0 and 1 below the support, 1 and 0 above. A
// point within a few ulps of a whole number is that number.
TEST(BinomialDist, PointsAndSupportEdges) {
    CheckAll({
        CASE(BinomPDF(2.7, 10, 0.3), BinomPDF(2, 10, 0.3)),
        CASE(BinomPDF(9.99, 10, 0.3), BinomPDF(9, 10, 0.3)),
        CASE(BinomPDF(-0.5, 10, 0.3), BinomPDF(0, 10, 0.3)),
        CASE(BinomPDF(5.5, 5, 0.5), 0.03125),
        CASE(BinomPDF(2.9999999999999996, 10, 0.3), BinomPDF(3, 10, 0.3)),
        CASE(BinomPDF(6, 5, 0.5), 0),
        CASE(BinomPDF(-1, 10, 0.3), 0),
        CASE(BinomPDF(-1e300, 10, 0.3), 0),
        CASE(BinomPDF(-1, 10, 0), 0),
        CASE(BinomPDF(1e300, 10, 0.3), 0),
        CASE(BinomCDF(2.7, 10, 0.3), BinomCDF(2, 10, 0.3)),
        CASE(BinomCDF(1.9999999999999998, 10, 0.3), BinomCDF(2, 10, 0.3)),
        CASE(BinomCDF(-0.5, 10, 0.3), 0),
        CASE(BinomCDF(-1e300, 10, 0.3), 0),
        CASE(BinomCDF(10, 10, 0.3), 1),
        CASE(BinomCDF(6, 5, 0.5), 1),
        CASE(BinomCCDF(-0.5, 10, 0.3), 1),
        CASE(BinomCCDF(10, 10, 0.3), 0),
        // p = 0 and p = 1 put the whole mass at one end.
        CASE(BinomPDF(0, 7, 0), 1),
        CASE(BinomPDF(3, 7, 0), 0),
        CASE(BinomPDF(7, 7, 1), 1),
        CASE(BinomPDF(6, 7, 1), 0),
        CASE(BinomPDF(600, 4000, 1), 0),
        CASE(BinomCDF(0, 7, 0), 1),
        CASE(BinomCCDF(6, 7, 1), 1),
    });
    EXPECT_NEAR_EPS(BinomCDF(0, 10, 0.3),
                    static_cast<double>(std::pow(1 - static_cast<long double>(0.3), 10)), 8);
    EXPECT_NEAR_EPS(BinomCCDF(9.5, 10, 0.3),
                    static_cast<double>(std::pow(static_cast<long double>(0.3), 10)), 8);
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

// The upper tails at the answer and at the point before, summed at 40 digits, are 9.919e-11
// and 1.0138e-10; the double 0.9999999999 is 1 - 1.00000008e-10.
TEST(BinomialDist, QuantileNearOneOverAMillionTrials) {
    EXPECT_EQ(BinomCDFInv(0.9999999999, 1000000, 0.9), 901903);
    EXPECT_EQ(BinomCCDFInv(1.00000008e-10, 1000000, 0.9), 901903);
}

// Both tails against the masses summed in long double.
TEST(BinomialDist, TailsAreSumsOfTheMasses) {
    for (std::int32_t n : {1, 6, 25, 90, 1500, 100000})
        for (double p : {0.02, 0.5, 0.8}) {
            const disttest::MassSums sums{[=](double k) { return BinomPDF(k, n, p); }, 0, double(n),
                                          n * p};
            for (double k = 0; k < n; k += std::ceil(n / 12.0)) {
                // Relative error means nothing below the normal doubles.
                if (sums.Cdf(k) >= DBL_MIN) {
                    EXPECT_NEAR_REL(BinomCDF(k, n, p), sums.Cdf(k), 1e-13)
                        << k << ", " << n << ", " << p;
                }
                if (sums.Ccdf(k) >= DBL_MIN) {
                    EXPECT_NEAR_REL(BinomCCDF(k, n, p), sums.Ccdf(k), 1e-13)
                        << k << ", " << n << ", " << p;
                }
            }
        }
}

// 0 at prob = 0 and n at prob = 1 (the mirror for the upper quantile), the
// answer of every prob for p = 0 and p = 1, and 0 for n = 0.
TEST(BinomialDist, QuantileEnds) {
    CheckAll({
        CASE(BinomCDFInv(0, 10, 0.3), 0),
        {"BinomCDFInv(0.7^10, 10, 0.3)", BinomCDFInv(BinomCDF(0, 10, 0.3), 10, 0.3), 0},
        CASE(BinomCDFInv(1, 10, 0.3), 10),
        CASE(BinomCDFInv(1, 1000, 0.3), 1000),
        CASE(BinomCDFInv(0.5, 0, 0.5), 0),
        CASE(BinomCDFInv(0.5, 7, 0), 0),
        CASE(BinomCDFInv(1e-300, 7, 1), 7),
        CASE(BinomCCDFInv(0, 1000, 0.3), 1000),
        CASE(BinomCCDFInv(1, 10, 0.3), 0),
        {"BinomCCDFInv(0.3^10, 10, 0.3)", BinomCCDFInv(BinomCCDF(9, 10, 0.3), 10, 0.3), 9},
        CASE(BinomCCDFInv(0.5, 7, 1), 7),
    });
}

TEST(BinomialDist, QuantilesMeetTheirDefinition) {
    for (std::int32_t n : {1, 6, 25, 90, 1500, 100000})
        for (double p : {1e-9, 0.02, 0.5, 0.8}) {
            const disttest::MassSums sums{[=](double k) { return BinomPDF(k, n, p); }, 0, double(n),
                                          n * p};
            const std::string what = "Binomial " + std::to_string(n) + ", " + std::to_string(p);
            disttest::CheckQuantileDefinition(
                what, [&](double k) { return sums.Cdf(k); }, [&](double k) { return sums.Ccdf(k); },
                [=](double q) { return BinomCDFInv(q, n, p); },
                [=](double q) { return BinomCCDFInv(q, n, p); }, 1e-12);
            disttest::CheckQuantilesInvertOwnTails(
                what, [=](double k) { return BinomCDF(k, n, p); },
                [=](double k) { return BinomCCDF(k, n, p); },
                [=](double q) { return BinomCDFInv(q, n, p); },
                [=](double q) { return BinomCCDFInv(q, n, p); },
                {0, 1, std::floor(n * p), std::floor(n * p + 2 * std::sqrt(n * p))});
        }
}

// mpmath: masses and tails to a few ulps, quantiles exactly, up to
// n = 2^31 - 1 (these need the incomplete beta function at large shapes).
TEST(BinomialDist, MatchesReferenceTable) {
    const std::map<std::string, testsupport::RefCall> calls = {
        {"BinomPDF",
         [](const auto& a) { return BinomPDF(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"BinomCDF",
         [](const auto& a) { return BinomCDF(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"BinomCCDF",
         [](const auto& a) { return BinomCCDF(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"BinomCDFInv",
         [](const auto& a) { return BinomCDFInv(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"BinomCCDFInv",
         [](const auto& a) { return BinomCCDFInv(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
    };
    // The masses and tails keep a few ulps out to 2^31 trials and 1e-200
    // (the deep masses take up to 40 from the deviance's rounding).
    testsupport::CheckReferenceTable(disttest::ReferenceRows("Binom", false), calls, 48);
    testsupport::CheckReferenceTable(disttest::ReferenceRows("Binom", true), calls, 0);
}

}  // namespace
