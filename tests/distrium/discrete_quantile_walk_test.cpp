// The quantiles that walk the masses from one tail at their guess: at random
// probabilities, in the body and far out, and at every size, the answer is
// exactly the first point where the library's own smaller tail reaches p
// (CDF against p up to 1/2, CCDF against 1 - p above), as a search on the
// tails alone gives it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "distrium/distrium.h"

namespace {

using namespace distrium;
using Fn = std::function<double(double)>;

struct Law {
    std::string name;
    Fn cdf, ccdf, inv, cinv;
};

Law Binomial(std::int32_t n, double p) {
    return {"Binom(" + std::to_string(n) + ")", [=](double k) { return BinomCDF(k, n, p); },
            [=](double k) { return BinomCCDF(k, n, p); },
            [=](double q) { return BinomCDFInv(q, n, p); },
            [=](double q) { return BinomCCDFInv(q, n, p); }};
}

Law NegBinomial(std::int32_t R, double p) {
    return {"NegBinom(" + std::to_string(R) + ")", [=](double k) { return NegBinomCDF(k, R, p); },
            [=](double k) { return NegBinomCCDF(k, R, p); },
            [=](double q) { return NegBinomCDFInv(q, R, p); },
            [=](double q) { return NegBinomCCDFInv(q, R, p); }};
}

Law Poisson(double lambda) {
    return {"Poisson(" + std::to_string(lambda) + ")",
            [=](double k) { return PoissonCDF(k, lambda); },
            [=](double k) { return PoissonCCDF(k, lambda); },
            [=](double q) { return PoissonCDFInv(q, lambda); },
            [=](double q) { return PoissonCCDFInv(q, lambda); }};
}

Law Hypergeometric(std::int32_t M, std::int32_t K, std::int32_t N) {
    return {"HypGeometric(" + std::to_string(M) + ")",
            [=](double k) { return HypGeometricCDF(k, M, K, N); },
            [=](double k) { return HypGeometricCCDF(k, M, K, N); },
            [=](double q) { return HypGeometricCDFInv(q, M, K, N); },
            [=](double q) { return HypGeometricCCDFInv(q, M, K, N); }};
}

// k answers the lower quantile of prob (or the upper one when upper): the
// first point whose smaller tail reaches it.
void ExpectFirstReaching(const Law& law, double prob, double k, bool upper) {
    SCOPED_TRACE(::testing::Message()
                 << law.name << (upper ? " CCDFInv(" : " CDFInv(") << prob << ") = " << k);
    if ((prob <= 0.5) != upper) {
        const double q = upper ? 1 - prob : prob;
        EXPECT_GE(law.cdf(k), q);
        EXPECT_LT(law.cdf(k - 1), q);
    } else {
        const double q = upper ? prob : 1 - prob;
        EXPECT_LE(law.ccdf(k), q);
        EXPECT_GT(law.ccdf(k - 1), q);
    }
}

TEST(DiscreteQuantileWalk, AnswersAreTheFirstPointsReachingP) {
    const Law laws[] = {
        Binomial(20, 0.3),
        Binomial(1000000, 0.3),
        Binomial(INT32_MAX, 0.7),
        Binomial(90, 1e-9),
        NegBinomial(5, 0.4),
        NegBinomial(100000, 0.001),
        NegBinomial(INT32_MAX, 0.5),
        Poisson(5.5),
        Poisson(1e3),
        Poisson(1e15),
        Hypergeometric(50, 20, 10),
        Hypergeometric(1000000, 400000, 100000),
    };
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    for (const Law& law : laws)
        for (int i = 0; i < 100; ++i) {
            // Uniform in the body, log-uniform down to 1e-300 in either tail;
            // then the tails at the answer themselves, where the walked
            // values and the tail function meet p within rounding.
            const double u = unit(random);
            const double prob = i % 3 == 0   ? u
                                : i % 3 == 1 ? std::pow(10.0, -300 * u)
                                             : 1 - std::pow(10.0, -15 * u);
            const double k = law.inv(prob);
            ExpectFirstReaching(law, prob, k, false);
            ExpectFirstReaching(law, prob, law.cinv(prob), true);
            for (const double tie : {law.cdf(k), law.ccdf(k)})
                if (tie > 0 && tie < 1) {
                    ExpectFirstReaching(law, tie, law.inv(tie), false);
                    ExpectFirstReaching(law, tie, law.cinv(tie), true);
                }
        }
}

}  // namespace
