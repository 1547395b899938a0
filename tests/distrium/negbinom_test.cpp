// Negative binomial distribution: domain answers, whole, non-whole and
// near-whole points, masses against direct products and mpmath (also with
// coefficients beyond the 64-bit range and with R in the thousands), both
// tails against the masses and mpmath, and both quantiles against their
// definition up to R = 2^31 - 1.
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
using numkern::Inf;
using numkern::NaN;

TEST(NegBinom, DomainAndPointValues) {
    CheckAll({
        CASE(NegBinomPDF(1, 3, 1.5), NaN),
        CASE(NegBinomPDF(1, 3, -0.5), NaN),
        CASE(NegBinomPDF(1, 0, 0.5), NaN),
        CASE(NegBinomCDF(1, 3, 1.5), NaN),
        CASE(NegBinomCDF(1, 0, 0.5), NaN),
        CASE(NegBinomCCDF(1, 3, -0.5), NaN),
        CASE(NegBinomCCDFInv(0.5, 0, 0.5), NaN),
        CASE(NegBinomCDFInv(0.5, 3, 1.5), NaN),
        CASE(NegBinomCDFInv(0.5, -3, 0.5), NaN),
        CASE(NegBinomCDFInv(1.5, 3, 0.5), NaN),
        CASE(NegBinomCDFInv(-0.5, 3, 0.5), NaN),
        CASE(NegBinomPDF(NaN, 3, 0.5), NaN),
        CASE(NegBinomCDF(NaN, 3, 0.5), NaN),
        CASE(NegBinomCDFInv(NaN, 3, 0.5), NaN),
        // A point that is not whole has mass 0; the tails read its floor,
        // 0 and 1 below the support; a point within a few ulps of a whole
        // number is that number.
        CASE(NegBinomPDF(2.5, 3, 0.4), 0),
        CASE(NegBinomPDF(-1, 3, 0.4), 0),
        CASE(NegBinomPDF(2.0000000000000004, 3, 0.4), NegBinomPDF(2, 3, 0.4)),
        CASE(NegBinomCDF(-1, 3, 0.5), 0),
        CASE(NegBinomCDF(-0.5, 3, 0.5), 0),
        CASE(NegBinomCCDF(-0.5, 3, 0.5), 1),
        CASE(NegBinomCDF(4.9999999999999991, 3, 0.4), NegBinomCDF(5, 3, 0.4)),
        {"NegBinomCCDF(inf, 3, 0.4)", NegBinomCCDF(Inf, 3, 0.4), 0},
        CASE(NegBinomCCDFInv(0, 3, 0.4), Inf),
        CASE(NegBinomCCDFInv(1, 3, 0.4), 0),
        CASE(NegBinomCDF(2.5, 3, 0.4), NegBinomCDF(2, 3, 0.4)),
        CASE(NegBinomCDFInv(0, 3, 0.4), 0),
        CASE(NegBinomCDFInv(1, 3, 0.4), Inf),
        // p = 1: every success comes at once, no failures.
        CASE(NegBinomPDF(0, 3, 1), 1),
        CASE(NegBinomPDF(4, 3, 1), 0),
        CASE(NegBinomCDF(4, 3, 1), 1),
        CASE(NegBinomCDFInv(0.7, 3, 1), 0),
        // p = 0: a success never comes, every mass is 0 and no sum reaches
        // a positive probability.
        CASE(NegBinomPDF(4, 3, 0), 0),
        CASE(NegBinomCDF(1e9, 3, 0), 0),
        CASE(NegBinomCDFInv(0.5, 3, 0), Inf),
        CASE(NegBinomCDFInv(1e-300, 1, 0), Inf),
        CASE(NegBinomCDFInv(0, 3, 0), 0),
    });
    EXPECT_NEAR_EPS(NegBinomPDF(0, 3, 0.4),
                    static_cast<double>(std::pow(static_cast<long double>(0.4), 3)), 1);
}

// C(R+k-1, k) p^R (1-p)^k with the coefficient multiplied out exactly in
// 64-bit integers.
TEST(NegBinom, MassesMatchDirectProducts) {
    struct Case {
        std::int32_t R;
        double p;
    };
    const Case cases[] = {{1, 0.3}, {2, 0.5}, {5, 0.12}, {10, 0.77}};
    for (const Case& c : cases) {
        std::uint64_t choose = 1;
        for (std::int32_t k = 0; k <= 40; ++k) {
            if (k > 0) choose = choose * (c.R + k - 1) / k;
            const long double want = choose * std::pow(static_cast<long double>(c.p), c.R) *
                                     std::pow(1 - static_cast<long double>(c.p), k);
            EXPECT_NEAR_EPS(NegBinomPDF(k, c.R, c.p), static_cast<double>(want), 16)
                << "NegBinomPDF(" << k << ", " << c.R << ", " << c.p << ")";
        }
    }
}

// A whole point beyond the 32-bit range is in the support (p (1-p)^k with
// p = 1e-10 here); mpmath at 40 digits. C(89, 60) = 2.2e23 lies beyond the 64-bit integers
// the coefficient is rounded to; for R = 20000 the factors p^R and the
// coefficient leave even the extended range, and the mass comes from
// logarithms. The coefficient carries the rounding of LnGamma(R + x), 1e-16
// relative to its size (2.5e4 for R + x = 3500).
TEST(NegBinom, LargeCoefficientsGiveTheMass) {
    struct Case {
        double x;
        std::int32_t R;
        double p, want, rel;
    };
    const Case cases[] = {
        {60, 30, 0.3, 0.023469273897701544, 1e-13},
        {500, 3000, 0.85, 0.0081221897780786533, 1e-11},
        {20000, 20000, 0.5, 0.0019946989350998613, 1e-10},
        {3e9, 1, 1e-10, 7.408182206706056116e-11, 1e-14},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(NegBinomPDF(c.x, c.R, c.p), c.want, c.rel)
            << "NegBinomPDF(" << c.x << ", " << c.R << ", " << c.p << ")";
}

// Coefficients near and beyond 2^63 (C(887, 879) = 9.207e18): the masses
// through a coefficient e^G stored as a double were 26 to 150 ulps off
// here; mpmath at 40 digits.
TEST(NegBinom, LargeCoefficientsKeepTheirDigits) {
    CheckAll(
        {
            CASE(NegBinomPDF(879, 9, 0.0101), 0.0013421053424093658187),
            CASE(NegBinomPDF(879, 9, 0.0102), 0.0013419299868343088306),
            CASE(NegBinomPDF(91, 18, 0.1499815519377029), 0.01537141739507404923),
            CASE(NegBinomPDF(85, 33, 0.41359647552103895), 0.0002358049749789896167),
            CASE(NegBinomPDF(41, 36, 0.019134787805692888), 3.454600010471801890e-41),
        },
        4);
}

// Both tails against the masses summed in long double.
TEST(NegBinom, TailsAreSumsOfTheMasses) {
    for (std::int32_t R : {1, 3, 20, 3000})
        for (double p : {0.05, 0.5, 0.9}) {
            const double mean = R * (1 - p) / p;
            const disttest::MassSums sums{[=](double k) { return NegBinomPDF(k, R, p); }, 0, Inf,
                                          mean};
            for (double s : {-6.0, -2.0, 0.0, 1.0, 3.0, 9.0}) {
                const double k = std::floor(std::fmax(0, mean + s * std::sqrt(R * (1 - p)) / p));
                EXPECT_NEAR_REL(NegBinomCDF(k, R, p), sums.Cdf(k), 1e-13)
                    << k << ", " << R << ", " << p;
                EXPECT_NEAR_REL(NegBinomCCDF(k, R, p), sums.Ccdf(k), 1e-13)
                    << k << ", " << R << ", " << p;
            }
        }
}

// The whole support: the sum settles where the masses stop counting. Each
// mass carries the rounding of its log-gamma coefficient (about 1e-12 for
// R = 1000), and the total with it.
TEST(NegBinom, DistributionOverTheWholeSupport) {
    for (double x : {1e7, 1e300, Inf})
        for (std::int32_t R : {1, 5, 1000}) {
            EXPECT_NEAR(NegBinomCDF(x, R, 0.5), 1, 2e-12) << x << " " << R;
            EXPECT_LE(NegBinomCDF(x, R, 0.5), 1) << x << " " << R;
        }
}

TEST(NegBinom, QuantilesMeetTheirDefinition) {
    for (std::int32_t R : {1, 3, 20, 3000})
        for (double p : {0.05, 0.5, 0.9, 1.0}) {
            const double mean = R * (1 - p) / p;
            const disttest::MassSums sums{[=](double k) { return NegBinomPDF(k, R, p); }, 0, Inf,
                                          mean};
            const std::string what = "NegBinom " + std::to_string(R) + ", " + std::to_string(p);
            disttest::CheckQuantileDefinition(
                what, [&](double k) { return sums.Cdf(k); }, [&](double k) { return sums.Ccdf(k); },
                [=](double q) { return NegBinomCDFInv(q, R, p); },
                [=](double q) { return NegBinomCCDFInv(q, R, p); }, 1e-12);
            disttest::CheckQuantilesInvertOwnTails(
                what, [=](double k) { return NegBinomCDF(k, R, p); },
                [=](double k) { return NegBinomCCDF(k, R, p); },
                [=](double q) { return NegBinomCDFInv(q, R, p); },
                [=](double q) { return NegBinomCCDFInv(q, R, p); },
                {0, 1, std::floor(mean), std::floor(2 * mean + 3)});
        }
}

// A median some 1e8 failures out (a walk over the masses gave up there),
// and probabilities within rounding of 1.
TEST(NegBinom, LargeSupports) {
    const double median = NegBinomCDFInv(0.5, 100000, 0.001);
    EXPECT_GE(NegBinomCDF(median, 100000, 0.001), 0.5);
    EXPECT_LT(NegBinomCDF(median - 1, 100000, 0.001), 0.5);
    for (std::int32_t R : {1, 7, 300}) {
        const double k = NegBinomCDFInv(1 - 1e-16, R, 0.5);
        EXPECT_TRUE(std::isfinite(k)) << R;
        EXPECT_GT(k, NegBinomCDFInv(0.999999, R, 0.5)) << R;
    }
}

// mpmath: masses and tails to a few ulps, quantiles exactly, up to
// R = 2^31 - 1 (these need the incomplete beta function at large shapes).
TEST(NegBinom, MatchesReferenceTable) {
    const std::map<std::string, testsupport::RefCall> calls = {
        {"NegBinomPDF",
         [](const auto& a) { return NegBinomPDF(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"NegBinomCDF",
         [](const auto& a) { return NegBinomCDF(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"NegBinomCCDF",
         [](const auto& a) { return NegBinomCCDF(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"NegBinomCDFInv",
         [](const auto& a) { return NegBinomCDFInv(a[0], static_cast<std::int32_t>(a[1]), a[2]); }},
        {"NegBinomCCDFInv",
         [](const auto& a) {
             return NegBinomCCDFInv(a[0], static_cast<std::int32_t>(a[1]), a[2]);
         }},
    };
    // The masses and tails keep a few ulps out to 2^31 trials and 1e-200
    // (the deep masses take up to 40 from the deviance's rounding).
    testsupport::CheckReferenceTable(disttest::ReferenceRows("NegBinom", false), calls, 48);
    testsupport::CheckReferenceTable(disttest::ReferenceRows("NegBinom", true), calls, 0);
}

}  // namespace
