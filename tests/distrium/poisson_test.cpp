// Poisson distribution: domain answers, masses against direct products and
// across the switch to the saddle-point form (lambda about 700, where
// e^-lambda times lambda^k / k! leaves the double range), the two branches
// of the CDF, and the quantile walk up to lambda in the billions.
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

TEST(Poisson, DomainAndBoundaryValues) {
    CheckAll({
        {"PoissonPDF(1, 0)", PoissonPDF(1, 0), NaN},
        {"PoissonPDF(1, -2)", PoissonPDF(1, -2), NaN},
        {"PoissonPDF(1, NaN)", PoissonPDF(1, NaN), NaN},
        {"PoissonCDF(1, 0)", PoissonCDF(1, 0), NaN},
        {"PoissonCDF(NaN, 3)", PoissonCDF(NaN, 3), NaN},
        {"PoissonCDFInv(0.5, 0)", PoissonCDFInv(0.5, 0), NaN},
        {"PoissonCDFInv(-0.1, 3)", PoissonCDFInv(-0.1, 3), NaN},
        {"PoissonCDFInv(1, 3)", PoissonCDFInv(1, 3), NaN},
        {"PoissonCDFInv(NaN, 3)", PoissonCDFInv(NaN, 3), NaN},
        {"PoissonPDF(-1, 3)", PoissonPDF(-1, 3), 0},
        {"PoissonPDF(INT32_MIN, 3)", PoissonPDF(INT32_MIN, 3), 0},
        {"PoissonPDF(0, 3)", PoissonPDF(0, 3), std::exp(-3.0)},
        // A negative point is 0 here, not NaN.
        {"PoissonCDF(-0.5, 3)", PoissonCDF(-0.5, 3), 0},
        {"PoissonCDF(-1e300, 3)", PoissonCDF(-1e300, 3), 0},
        {"PoissonCDF(0, 3)", PoissonCDF(0, 3), std::exp(-3.0)},
        {"PoissonCDF(3, 2.5)", PoissonCDF(3, 2.5), GammaQ(4, 2.5)},
        {"PoissonCDF(40, 2.5)", PoissonCDF(40, 2.5), GammaQ(41, 2.5)},
        {"PoissonCDFInv(0, 3)", PoissonCDFInv(0, 3), 0},
        {"PoissonCDFInv(e^-3, 3)", PoissonCDFInv(PoissonPDF(0, 3), 3), 0},
        // Masses far beyond the mode underflow; the sum over the whole
        // support is 1.
        {"PoissonPDF(INT32_MAX, 7)", PoissonPDF(INT32_MAX, 7), 0},
        {"PoissonCDF(inf, 1e300)", PoissonCDF(Inf, 1e300), 1},
    });
    for (double lambda : {1e-300, 0.5, 7.0, 1e3, 1e6})
        EXPECT_NEAR(PoissonCDF(Inf, lambda), 1, 1e-12) << lambda;
}

// e^-lambda lambda^k / k! with k! multiplied out in long double.
TEST(Poisson, MassesMatchDirectProducts) {
    for (double lambda : {0.1, 1.0, 2.5, 20.0, 100.0}) {
        long double factorial = 1;
        for (std::int32_t k = 0; k <= 150; ++k) {
            if (k > 0) factorial *= k;
            const long double want = std::exp(-static_cast<long double>(lambda)) *
                                     std::pow(static_cast<long double>(lambda), k) / factorial;
            EXPECT_NEAR_EPS(PoissonPDF(k, lambda), static_cast<double>(want), want < 1e-300 ? 1e9 : 64)
                << "PoissonPDF(" << k << ", " << lambda << ")";
        }
    }
}

// Around lambda = 700 the product lambda^k / k! overflows and the masses
// come in saddle-point form: both sides of the switch against the same mass
// in long double logarithms, whose own rounding (1e-19 relative to ln k!, a
// few thousand here) and that of an exponent of several hundred bound the
// agreement.
TEST(Poisson, MassesAcrossTheSwitchToSaddlePointForm) {
    for (double lambda : {650.0, 705.0, 712.0, 720.0, 800.0, 5000.0})
        for (std::int32_t k : {1, 100, 600, 700, 711, 712, 713, 750, 900, 2000}) {
            const long double want = std::exp(k * std::log(static_cast<long double>(lambda)) - lambda -
                                              std::lgamma(k + 1.0L));
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
        {1000, 1000, 0.012614611348721499718},
        {5000, 5000, 0.005641801804664022574},
        {100000, 1e5, 0.0012615652097053005629},
        {88932, 1e5, 5.2932691400151482225e-280},
        {111068, 1e5, 2.3755508145087963033e-260},
        {1000000, 1e6, 0.0003989422471562440297},
        {100000000, 1e8, 0.000039894228006898077774},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(PoissonPDF(c.k, c.lambda), c.want, 1e-13)
            << "PoissonPDF(" << c.k << ", " << c.lambda << ")";
}

// A probability near 1 is reached only when the masses of a long walk add
// up to 1 within the gap to it: masses off by 2e-10 made this walk stop at
// 102005. The upper tails at the answer and at the point before, summed at
// 40 digits, are 9.939e-11 and 1.0144e-10; the double 0.9999999999 is
// 1 - 1.00000008e-10.
TEST(Poisson, QuantileNearOneAtALargeMean) {
    EXPECT_EQ(PoissonCDFInv(0.9999999999, 1e5), 102018);
}

// A point that is not whole adds the masses up to its truncation, bit for
// bit; a whole one takes the incomplete gamma function, which agrees to the
// rounding of the log-gamma values in its prefactor and in the masses
// (1e-16 relative to ln k!, some 4000 for lambda = 800).
TEST(Poisson, DistributionIsTheSumOfTheMasses) {
    for (double lambda : {0.01, 0.5, 3.0, 25.0, 700.0, 800.0}) {
        const auto mass = [=](double k) { return PoissonPDF(static_cast<std::int32_t>(k), lambda); };
        const std::string what = "Poisson lambda = " + std::to_string(lambda);
        disttest::CheckCdfIsSumOfMasses(what + " at k + 0.5", mass,
                                        [=](double k) { return PoissonCDF(k + 0.5, lambda); }, 1500, 0);
        disttest::CheckCdfIsSumOfMasses(what, mass, [=](double k) { return PoissonCDF(k, lambda); },
                                        1500, 1e-12);
    }
}

TEST(Poisson, DistributionAtLargeMeans) {
    for (double lambda : {1e6, 1e9}) {
        EXPECT_NEAR(PoissonCDF(lambda + 0.5, lambda), PoissonCDF(lambda, lambda), 1e-6) << lambda;
        EXPECT_NEAR(PoissonCDF(lambda - 0.5, lambda), PoissonCDF(lambda - 1, lambda), 1e-6) << lambda;
    }
    EXPECT_EQ(PoissonCDF(10.5, 1e6), 0);
}

TEST(Poisson, QuantileIsTheFirstPointReachingTheProbability) {
    for (double lambda : {0.01, 0.5, 3.0, 25.0, 700.0, 800.0})
        disttest::CheckQuantiles(
            "Poisson lambda = " + std::to_string(lambda),
            [=](double k) { return PoissonPDF(static_cast<std::int32_t>(k), lambda); },
            [=](double p) { return PoissonCDFInv(p, lambda); }, 3000);
}

// The original walk is quadratic in the answer and would not end in
// reasonable time for these means.
TEST(Poisson, QuantilesAtLargeMeans) {
    struct Case {
        double lambda, rel;
    };
    const Case cases[] = {{1e3, 1e-12}, {1e6, 1e-8}, {1e9, 1e-5}};
    for (const Case& c : cases)
        disttest::CheckQuantilesByCdf("Poisson lambda = " + std::to_string(c.lambda),
                                      [=](double x) { return PoissonCDF(x, c.lambda); },
                                      [=](double p) { return PoissonCDFInv(p, c.lambda); }, c.rel);
    // No walk reaches the masses of a mean this large.
    EXPECT_TRUE(std::isnan(PoissonCDFInv(0.5, 1e300)));
}

}  // namespace
