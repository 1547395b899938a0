// The walk over the masses of a unimodal distribution against a plain walk
// that visits every point: the skipped leading zeros and the stop past the
// mode must not change the sum or the point where it meets a target, the
// carried masses must stay accurate over a long walk, and a walk that can
// never end must give up.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "distrium/discrete_walk.h"
#include "numkern/numkern.h"

namespace {

using distrium::detail::FirstNonZero;
using distrium::detail::WalkEnd;
using distrium::detail::WalkMasses;
using distrium::detail::WalkStop;

// Poisson masses e^-lambda lambda^k / k! in long double, rounded to double
// as a PDF would return them: for lambda = 800 the first eleven are 0.
struct PoissonTable {
    double lambda;
    long double Mass(double k) const {
        return std::exp(k * std::log(static_cast<long double>(lambda)) - lambda - std::lgamma(k + 1.0L));
    }
    long double Ratio(double k) const { return lambda / (k + 1.0L); }
    double Mode() const { return std::floor(lambda); }
};

// The plain walk: every point from 0 to last, the sum stored after each
// addition, stopping at the first point where the target is met.
template <class Dist, class Target>
WalkStop PlainWalk(const Dist& d, double last, Target reached) {
    double s = 0;
    for (double k = 0; k <= last; ++k) {
        s = static_cast<double>(static_cast<long double>(s) + static_cast<double>(d.Mass(k)));
        if (reached(s)) return {k, s, WalkEnd::Reached};
    }
    return {last, s, WalkEnd::AtLast};
}

TEST(DiscreteWalk, FirstNonZeroFindsTheEndOfTheZeros) {
    for (double lambda : {0.5, 30.0, 800.0, 5000.0}) {
        const PoissonTable d{lambda};
        double plain = 0;
        while (static_cast<double>(d.Mass(plain)) == 0) ++plain;
        EXPECT_EQ(FirstNonZero(d, 0, d.Mode()), plain) << lambda;
    }
    const PoissonTable far{800};
    EXPECT_EQ(FirstNonZero(far, 0, 10), -1);  // all of 0..10 underflow
}

TEST(DiscreteWalk, SumsMatchThePlainWalkBitForBit) {
    struct Case {
        double lambda, last;
    };
    const Case cases[] = {{0.5, 3}, {30, 12}, {30, 45}, {800, 700}, {800, 801}, {800, 1200}, {5000, 5100}};
    for (const Case& c : cases) {
        const PoissonTable d{c.lambda};
        const double plain = PlainWalk(d, c.last, [](double) { return false; }).sum;
        EXPECT_EQ(distrium::detail::SumMasses(d, 0, c.last), plain) << c.lambda << " to " << c.last;
    }
}

TEST(DiscreteWalk, TargetsAreMetWhereThePlainWalkMeetsThem) {
    for (double lambda : {0.5, 30.0, 800.0})
        for (double p : {1e-300, 1e-20, 0.01, 0.5, 0.9, 0.999999}) {
            const PoissonTable d{lambda};
            const auto target = [p](double s) { return s >= p; };
            const WalkStop plain = PlainWalk(d, 1e5, target);
            const WalkStop walk = WalkMasses(d, 0, std::numeric_limits<double>::infinity(), p, target);
            EXPECT_EQ(walk.end, WalkEnd::Reached) << lambda << " " << p;
            EXPECT_EQ(walk.k, plain.k) << lambda << " " << p;
            EXPECT_EQ(walk.sum, plain.sum) << lambda << " " << p;
        }
}

// A target above the total: past the mode the sum stops growing, at the
// first point whose mass no longer changes it.
TEST(DiscreteWalk, SumThatStopsGrowingSettles) {
    for (double lambda : {0.5, 30.0, 800.0}) {
        const PoissonTable d{lambda};
        const WalkStop walk =
            WalkMasses(d, 0, std::numeric_limits<double>::infinity(), 2, [](double s) { return s >= 2; });
        ASSERT_EQ(walk.end, WalkEnd::Settled) << lambda;
        const double before = PlainWalk(d, walk.k - 1, [](double) { return false; }).sum;
        EXPECT_EQ(walk.sum, before) << lambda;
        EXPECT_EQ(before + static_cast<double>(d.Mass(walk.k)), before) << lambda;
        EXPECT_NE(PlainWalk(d, walk.k - 2, [](double) { return false; }).sum, before) << lambda;
    }
}

struct Zeros {
    long double Mass(double) const { return 0; }
    long double Ratio(double) const { return 1; }
    double Mode() const { return 10; }
};

// Equal masses that never stop counting, with the mode out of reach.
struct Flat {
    long double Mass(double) const { return 1e-300L; }
    long double Ratio(double) const { return 1; }
    double Mode() const { return 1e300; }
};

TEST(DiscreteWalk, WalksThatCannotEnd) {
    const double inf = std::numeric_limits<double>::infinity();
    const auto never = [](double s) { return s >= 0.5; };
    EXPECT_EQ(WalkMasses(Zeros{}, 0, inf, 0.5, never).end, WalkEnd::AllZero);
    EXPECT_EQ(WalkMasses(Zeros{}, 0, 5, 0.5, never).end, WalkEnd::AtLast);
    EXPECT_EQ(WalkMasses(Flat{}, 0, inf, 0.5, never).end, WalkEnd::Failed);
    EXPECT_TRUE(std::isnan(distrium::detail::SumMasses(Flat{}, 0, inf)));
}

// A geometric law with q = 1 - 1e-5 needs about 4e6 points: past the first
// 20000 the masses are carried by their ratio. The sum up to k has the
// closed form 1 - q^(k+1).
struct Geometric {
    long double p;
    long double Mass(double k) const { return p * std::pow(1 - p, static_cast<long double>(k)); }
    long double Ratio(double) const { return 1 - p; }
    double Mode() const { return 0; }
};

TEST(DiscreteWalk, CarriedMassesStayAccurate) {
    const Geometric d{1e-5L};
    for (double last : {1e3, 5e4, 3e5, 1.5e6}) {
        const double want = static_cast<double>(-std::expm1((last + 1) * std::log1p(-d.p)));
        EXPECT_NEAR(distrium::detail::SumMasses(d, 0, last), want, 1e-10) << last;
    }
}

}  // namespace
