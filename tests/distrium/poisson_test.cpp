// Poisson distribution: domain answers, points near whole numbers, masses
// against direct products and mpmath, both tails against the masses and
// mpmath, and both quantiles against their definition up to a mean of 1e15.
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

TEST(Poisson, DomainAndBoundaryValues) {
    CheckAll({
        CASE(PoissonPDF(1, 0), NaN),
        CASE(PoissonPDF(1, -2), NaN),
        CASE(PoissonPDF(1, NaN), NaN),
        CASE(PoissonCDF(1, 0), NaN),
        CASE(PoissonCDF(NaN, 3), NaN),
        CASE(PoissonCCDF(1, -1), NaN),
        CASE(PoissonCDFInv(0.5, 0), NaN),
        CASE(PoissonCDFInv(-0.1, 3), NaN),
        CASE(PoissonCDFInv(1, 3), NaN),
        CASE(PoissonCDFInv(NaN, 3), NaN),
        CASE(PoissonCCDFInv(0, 3), NaN),
        CASE(PoissonCCDFInv(1.5, 3), NaN),
        CASE(PoissonPDF(-1, 3), 0),
        CASE(PoissonPDF(INT32_MIN, 3), 0),
        CASE(PoissonPDF(0, 3), std::exp(-3.0)),
        // Below the support the CDF is 0 and the upper tail 1.
        CASE(PoissonCDF(-0.5, 3), 0),
        CASE(PoissonCDF(-1e300, 3), 0),
        CASE(PoissonCCDF(-0.5, 3), 1),
        CASE(PoissonCDF(0, 3), std::exp(-3.0)),
        CASE(PoissonCCDF(0, 3), -std::expm1(-3.0)),
        // e^-2.5 (1 + 2.5 + 2.5^2/2 + 2.5^3/6) and its complement (mpmath).
        CASE(PoissonCDF(3, 2.5), 0.75757613313306596375),
        CASE(PoissonCCDF(3, 2.5), 0.24242386686693403625),
        // A non-whole point reads its floor; one within a few ulps of a
        // whole number reads that number.
        CASE(PoissonCDF(3.5, 2.5), PoissonCDF(3, 2.5)),
        CASE(PoissonCDF(3.9999999999999996, 2.5), PoissonCDF(4, 2.5)),
        CASE(PoissonCDF(3.99999999999999, 2.5), PoissonCDF(3, 2.5)),
        CASE(PoissonCCDF(2.0000000000000004, 2.5), PoissonCCDF(2, 2.5)),
        CASE(PoissonCDFInv(0, 3), 0),
        {"PoissonCDFInv(e^-3, 3)", PoissonCDFInv(PoissonPDF(0, 3), 3), 0},
        CASE(PoissonCCDFInv(1, 3), 0),
        // Masses far beyond the mode underflow; the tails at +Inf are the
        // whole mass.
        CASE(PoissonPDF(INT32_MAX, 7), 0),
        {"PoissonCDF(inf, 1e300)", PoissonCDF(Inf, 1e300), 1},
        {"PoissonCCDF(inf, 3)", PoissonCCDF(Inf, 3), 0},
    });
}

// e^-lambda lambda^k / k! with k! multiplied out in long double.
TEST(Poisson, MassesMatchDirectProducts) {
    for (double lambda : {0.1, 1.0, 2.5, 20.0, 100.0}) {
        long double factorial = 1;
        for (std::int32_t k = 0; k <= 150; ++k) {
            if (k > 0) factorial *= k;
            const long double want = std::exp(-static_cast<long double>(lambda)) *
                                     std::pow(static_cast<long double>(lambda), k) / factorial;
            EXPECT_NEAR_EPS(PoissonPDF(k, lambda), static_cast<double>(want),
                            want < 1e-300 ? 1e9 : 64)
                << "PoissonPDF(" << k << ", " << lambda << ")";
        }
    }
}

// Around lambda = 700 the product lambda^k / k! of the formula overflows;
// the saddle-point masses on both sides of that point against the same mass
// in long double logarithms, whose own rounding (1e-19 relative to ln k!, a
// few thousand here) and that of an exponent of several hundred bound the
// agreement.
TEST(Poisson, MassesAcrossTheSwitchToSaddlePointForm) {
    for (double lambda : {650.0, 705.0, 712.0, 720.0, 800.0, 5000.0})
        for (std::int32_t k : {1, 100, 600, 700, 711, 712, 713, 750, 900, 2000}) {
            const long double want = std::exp(k * std::log(static_cast<long double>(lambda)) -
                                              lambda - std::lgamma(k + 1.0L));
            if (want < 1e-300) continue;
            EXPECT_NEAR_REL(PoissonPDF(k, lambda), static_cast<double>(want), 1e-13)
                << "PoissonPDF(" << k << ", " << lambda << ")";
        }
}

// mpmath at 40 digits. ln k! from LnGamma would carry an ulp of its size
// (2e-10 at k = 1e5) into every mass; these keep about 1e-15 in the bulk
// and the rounding of an exponent of several hundred (5e-14) far out.
TEST(Poisson, LargeMeanGivesTheMass) {
    struct Case {
        std::int32_t k;
        double lambda, want;
    };
    const Case cases[] = {
        {1000, 1000, 0.012614611348721499718},        {5000, 5000, 0.005641801804664022574},
        {100000, 1e5, 0.0012615652097053005629},      {88932, 1e5, 5.2932691400151482225e-280},
        {111068, 1e5, 2.3755508145087963033e-260},    {1000000, 1e6, 0.0003989422471562440297},
        {100000000, 1e8, 0.000039894228006898077774},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(PoissonPDF(c.k, c.lambda), c.want, 1e-13)
            << "PoissonPDF(" << c.k << ", " << c.lambda << ")";
}

// The upper tails at the answer and at the point before, summed at 40
// digits, are 9.939e-11 and 1.0144e-10; the double 0.9999999999 is
// 1 - 1.00000008e-10.
TEST(Poisson, QuantileNearOneAtALargeMean) {
    EXPECT_EQ(PoissonCDFInv(0.9999999999, 1e5), 102018);
    EXPECT_EQ(PoissonCCDFInv(1.00000008e-10, 1e5), 102018);
}

// Both tails against the masses summed in long double, up to the
// saddle-point masses' accuracy (about 1e-15 each).
TEST(Poisson, TailsAreSumsOfTheMasses) {
    for (double lambda : {0.01, 0.5, 3.0, 25.0, 700.0, 1e5}) {
        const disttest::MassSums sums{
            [=](double k) { return PoissonPDF(static_cast<std::int32_t>(k), lambda); }, 0,
            numkern::Inf, lambda};
        for (double s : {-6.0, -2.0, -0.5, 0.0, 1.0, 3.0, 9.0}) {
            const double k = std::floor(std::fmax(0, lambda + s * std::sqrt(lambda)));
            EXPECT_NEAR_REL(PoissonCDF(k, lambda), sums.Cdf(k), 1e-13) << k << ", " << lambda;
            EXPECT_NEAR_REL(PoissonCCDF(k, lambda), sums.Ccdf(k), 1e-13) << k << ", " << lambda;
        }
    }
}

TEST(Poisson, QuantilesMeetTheirDefinition) {
    for (double lambda : {1e-300, 0.01, 0.5, 3.0, 25.0, 700.0, 1e5}) {
        const disttest::MassSums sums{
            [=](double k) { return PoissonPDF(static_cast<std::int32_t>(k), lambda); }, 0,
            numkern::Inf, lambda};
        const std::string what = "Poisson " + std::to_string(lambda);
        disttest::CheckQuantileDefinition(
            what, [&](double k) { return sums.Cdf(k); }, [&](double k) { return sums.Ccdf(k); },
            [=](double p) { return PoissonCDFInv(p, lambda); },
            [=](double p) { return PoissonCCDFInv(p, lambda); }, 1e-12);
        disttest::CheckQuantilesInvertOwnTails(
            what, [=](double k) { return PoissonCDF(k, lambda); },
            [=](double k) { return PoissonCCDF(k, lambda); },
            [=](double p) { return PoissonCDFInv(p, lambda); },
            [=](double p) { return PoissonCCDFInv(p, lambda); },
            {0, 1, std::floor(lambda), std::floor(lambda + 3 * std::sqrt(lambda))});
    }
}

// mpmath: masses and tails to a few ulps, quantiles exactly, up to a mean
// of 1e15 (these need the incomplete gamma function at large shapes).
TEST(Poisson, MatchesReferenceTable) {
    const std::map<std::string, testsupport::RefCall> calls = {
        {"PoissonPDF",
         [](const auto& a) { return PoissonPDF(static_cast<std::int32_t>(a[0]), a[1]); }},
        {"PoissonCDF", [](const auto& a) { return PoissonCDF(a[0], a[1]); }},
        {"PoissonCCDF", [](const auto& a) { return PoissonCCDF(a[0], a[1]); }},
        {"PoissonCDFInv", [](const auto& a) { return PoissonCDFInv(a[0], a[1]); }},
        {"PoissonCCDFInv", [](const auto& a) { return PoissonCCDFInv(a[0], a[1]); }},
    };
    testsupport::CheckReferenceTable(disttest::ReferenceRows("Poisson", false), calls, 64);
    testsupport::CheckReferenceTable(disttest::ReferenceRows("Poisson", true), calls, 0);
}

}  // namespace
