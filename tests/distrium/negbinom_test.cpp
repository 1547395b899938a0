// Negative binomial distribution: domain answers, whole and non-whole
// points, masses against direct products (also with coefficients beyond the
// 64-bit range and with R in the thousands), the CDF as the sum of the
// masses and against the incomplete beta function, and the quantile walk,
// including the walks that could not end.
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
using numkern::Inf;
using numkern::NaN;

TEST(NegBinom, DomainAndPointValues) {
    CheckAll({
        {"NegBinomPDF(1, 3, 1.5)", NegBinomPDF(1, 3, 1.5), NaN},
        {"NegBinomPDF(1, 3, -0.5)", NegBinomPDF(1, 3, -0.5), NaN},
        {"NegBinomPDF(1, 0, 0.5)", NegBinomPDF(1, 0, 0.5), NaN},
        {"NegBinomCDF(1, 3, 1.5)", NegBinomCDF(1, 3, 1.5), NaN},
        {"NegBinomCDF(1, 0, 0.5)", NegBinomCDF(1, 0, 0.5), NaN},
        {"NegBinomCDF(-1, 3, 0.5)", NegBinomCDF(-1, 3, 0.5), NaN},
        {"NegBinomCDFInv(0.5, 3, 1.5)", NegBinomCDFInv(0.5, 3, 1.5), NaN},
        {"NegBinomCDFInv(0.5, -3, 0.5)", NegBinomCDFInv(0.5, -3, 0.5), NaN},
        {"NegBinomCDFInv(1.5, 3, 0.5)", NegBinomCDFInv(1.5, 3, 0.5), NaN},
        {"NegBinomCDFInv(-0.5, 3, 0.5)", NegBinomCDFInv(-0.5, 3, 0.5), NaN},
        {"NegBinomPDF(NaN, 3, 0.5)", NegBinomPDF(NaN, 3, 0.5), NaN},
        {"NegBinomCDF(NaN, 3, 0.5)", NegBinomCDF(NaN, 3, 0.5), NaN},
        {"NegBinomCDFInv(NaN, 3, 0.5)", NegBinomCDFInv(NaN, 3, 0.5), NaN},
        // A point that is not whole, or beyond the 32-bit range, has mass 0.
        {"NegBinomPDF(2.5, 3, 0.4)", NegBinomPDF(2.5, 3, 0.4), 0},
        {"NegBinomPDF(-1, 3, 0.4)", NegBinomPDF(-1, 3, 0.4), 0},
        {"NegBinomPDF(3e9, 1, 1e-10)", NegBinomPDF(3e9, 1, 1e-10), 0},
        {"NegBinomPDF(0, 3, 0.4)", NegBinomPDF(0, 3, 0.4), 0.4 * 0.4 * 0.4},
        {"NegBinomCDF(2.5, 3, 0.4)", NegBinomCDF(2.5, 3, 0.4), NegBinomCDF(2, 3, 0.4)},
        {"NegBinomCDFInv(0, 3, 0.4)", NegBinomCDFInv(0, 3, 0.4), 0},
        {"NegBinomCDFInv(1, 3, 0.4)", NegBinomCDFInv(1, 3, 0.4), Inf},
        // p = 1: every success comes at once, no failures.
        {"NegBinomPDF(0, 3, 1)", NegBinomPDF(0, 3, 1), 1},
        {"NegBinomPDF(4, 3, 1)", NegBinomPDF(4, 3, 1), 0},
        {"NegBinomCDF(4, 3, 1)", NegBinomCDF(4, 3, 1), 1},
        {"NegBinomCDFInv(0.7, 3, 1)", NegBinomCDFInv(0.7, 3, 1), 0},
        // p = 0: a success never comes, every mass is 0 and no sum reaches
        // a positive probability.
        {"NegBinomPDF(4, 3, 0)", NegBinomPDF(4, 3, 0), 0},
        {"NegBinomCDF(1e9, 3, 0)", NegBinomCDF(1e9, 3, 0), 0},
        {"NegBinomCDFInv(0.5, 3, 0)", NegBinomCDFInv(0.5, 3, 0), Inf},
        {"NegBinomCDFInv(1e-300, 1, 0)", NegBinomCDFInv(1e-300, 1, 0), Inf},
        {"NegBinomCDFInv(0, 3, 0)", NegBinomCDFInv(0, 3, 0), 0},
    });
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

// mpmath at 40 digits. C(89, 60) = 2.2e23 lies beyond the 64-bit integers
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
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(NegBinomPDF(c.x, c.R, c.p), c.want, c.rel)
            << "NegBinomPDF(" << c.x << ", " << c.R << ", " << c.p << ")";
}

// The coefficient w = e^G enters the product p^R w (1-p)^k as a double:
// rounded to a whole number while that fits 64 bits (C(887, 879) = 9.207e18
// lies just below 2^63), and past that the unrounded e^G, still stored. The
// values are the mass's steps carried out in mpmath with a 64-bit
// significand and the stored values rounded to double; keeping e^G in
// extended precision moves each by one unit in the last place.
TEST(NegBinom, CoefficientIsStoredAsADouble) {
    CheckAll({
        {"NegBinomPDF(879, 9, 0.0101)", NegBinomPDF(879, 9, 0.0101), 0.0013421053424093306},
        {"NegBinomPDF(879, 9, 0.0102)", NegBinomPDF(879, 9, 0.0102), 0.001341929986834288},
        {"NegBinomPDF(91, 18, 0.1499815519377029)", NegBinomPDF(91, 18, 0.1499815519377029),
         0.01537141739507383},
        {"NegBinomPDF(85, 33, 0.41359647552103895)", NegBinomPDF(85, 33, 0.41359647552103895),
         0.0002358049749789848},
        {"NegBinomPDF(41, 36, 0.019134787805692888)", NegBinomPDF(41, 36, 0.019134787805692888),
         3.454600010471919e-41},
    });
}

TEST(NegBinom, DistributionIsTheSumOfTheMasses) {
    for (std::int32_t R : {1, 3, 20})
        for (double p : {0.05, 0.5, 0.9})
            disttest::CheckCdfIsSumOfMasses(
                "NegBinom R = " + std::to_string(R) + ", p = " + std::to_string(p),
                [=](double k) { return NegBinomPDF(k, R, p); },
                [=](double x) { return NegBinomCDF(x, R, p); }, 300, 0);
}

// P(X <= k) = I_p(R, k + 1), an independent path through the incomplete
// beta function; also where the sum runs over millions of points.
TEST(NegBinom, DistributionMatchesTheIncompleteBetaFunction) {
    struct Case {
        double x;
        std::int32_t R;
        double p, error;
    };
    const Case cases[] = {
        {0, 4, 0.3, 1e-15},       {7, 4, 0.3, 1e-14},        {40, 4, 0.3, 1e-14},
        {2000, 900, 0.3, 1e-11},  {1e6, 1, 1e-6, 1e-9},      {2e6, 100, 5e-5, 1e-9},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(NegBinomCDF(c.x, c.R, c.p), BetaI(c.p, c.R, c.x + 1), c.error)
            << "NegBinomCDF(" << c.x << ", " << c.R << ", " << c.p << ")";
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

TEST(NegBinom, QuantileIsTheFirstPointReachingTheProbability) {
    for (std::int32_t R : {1, 3, 20})
        for (double p : {0.05, 0.5, 0.9, 1.0})
            disttest::CheckQuantiles("NegBinom R = " + std::to_string(R) + ", p = " + std::to_string(p),
                                     [=](double k) { return NegBinomPDF(k, R, p); },
                                     [=](double q) { return NegBinomCDFInv(q, R, p); }, 3000);
}

// A support of billions of points; and probabilities within rounding of 1,
// where the sum may settle below them: the walk ends where it stopped.
TEST(NegBinom, LargeSupports) {
    disttest::CheckQuantilesByCdf("NegBinom R = INT32_MAX",
                                  [](double x) { return NegBinomCDF(x, INT32_MAX, 0.5); },
                                  [](double q) { return NegBinomCDFInv(q, INT32_MAX, 0.5); }, 1e-5);
    for (std::int32_t R : {1, 7, 300}) {
        const double k = NegBinomCDFInv(1 - 1e-16, R, 0.5);
        EXPECT_TRUE(std::isfinite(k)) << R;
        EXPECT_GT(k, NegBinomCDFInv(0.999999, R, 0.5)) << R;
    }
}

}  // namespace
