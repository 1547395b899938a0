// GammaP, GammaQ and their two evaluators: accuracy against mpmath
// (gammainc, regularised, 40 digits), closed forms, the domain answers and
// the limits that keep hostile arguments from looping.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/support/accuracy.h"

namespace {

using distrium::GammaP;
using distrium::GammaQ;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    double a, x, p, q;
};

// mpmath gammainc(a, 0, x, regularized=True) and gammainc(a, x, inf, ...).
const Case kReference[] = {
    {0.1, 0.05, 0.77553863545103056959, 0.22446136454896943041},
    {0.1, 3, 0.99843472825288564615, 0.001565271747114353849},
    {0.5, 0.25, 0.52049987781304653768, 0.47950012218695346232},
    {0.5, 2, 0.9544997361036415856, 0.045500263896358414401},
    {2.5, 1, 0.15085496391539036377, 0.84914503608460963623},
    {2.5, 6, 0.96521221949375815008, 0.034787780506241849918},
    {10, 5, 0.031828057306204811737, 0.96817194269379518826},
    {10, 10.5, 0.60286740064918934719, 0.39713259935081065281},
    {10, 11, 0.65948935753433895272, 0.34051064246566104728},
    {10, 20, 0.99500458769169241283, 0.0049954123083075871662},
    {100, 90, 0.1582209891864301681, 0.8417790108135698319},
    {100, 110, 0.8417213299399129062, 0.1582786700600870938},
    {1000, 1100, 0.99894067674607002265, 0.0010593232539299773489},
    {1000, 950, 0.055054686230738034495, 0.94494531376926196551},
    {0.001, 0.001, 0.9936876467088602901, 0.0063123532911397099038},
    {3, 0.01, 1.6542165280748768657e-7, 0.99999983457834719251},
    {50, 1, 1.2337508979097351272e-65, 1.0},
};

TEST(GammaP, MatchesReference) {
    for (const auto& c : kReference) {
        SCOPED_TRACE(::testing::Message() << "a " << c.a << " x " << c.x);
        // Both tails to a few ulps, the one taken as the complement too.
        EXPECT_NEAR_EPS(GammaP(c.a, c.x), c.p, 4);
        EXPECT_NEAR_EPS(GammaQ(c.a, c.x), c.q, 4);
    }
}

TEST(GammaP, ShapeOneIsExponentialCdf) {
    // P(1, x) = 1 - e^-x; both branches, the switch point x = 2 included.
    for (double x : {0.01, 0.5, 1.0, 1.999, 2.0, 3.0, 7.5, 20.0, 700.0}) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(GammaP(1, x), -std::expm1(-x), 4 * DBL_EPSILON);
        EXPECT_NEAR_EPS(GammaQ(1, x), std::exp(-x), 4 + 2 * x);
    }
}

TEST(GammaP, EdgeValues) {
    struct Edge {
        const char* what;
        double got, want;
    };
    const Edge cases[] = {
        {"P(1, 1)", GammaP(1, 1), 0.6321205588285577},
        {"P(1, 3)", GammaP(1, 3), 0.9502129316321360},
        {"Q(1, 3)", GammaQ(1, 3), 0.0497870683678639},
        {"P(1, 2) on the fraction", GammaP(1, 2), 0.8646647167633873},
        {"P(3, 0)", GammaP(3, 0), 0},
        {"Q(3, 0)", GammaQ(3, 0), 1},
        {"P(0, 1)", GammaP(0, 1), 0},
        {"Q(0, 1)", GammaQ(0, 1), 0},
        {"Q(-1, 1)", GammaQ(-1, 1), 0},
        {"P(2, -1)", GammaP(2, -1), 0},
        {"Q(2, -1)", GammaQ(2, -1), 0},
        {"P(NaN, 1)", GammaP(kNaN, 1), 0},
        {"Q(NaN, 1)", GammaQ(kNaN, 1), 0},
        {"P(1, NaN)", GammaP(1, kNaN), 0},
        {"Q(1, NaN)", GammaQ(1, kNaN), 0},
        {"P(2, -Inf)", GammaP(2, -kInf), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR_EPS(c.got, c.want, 4);
    }
}

TEST(GammaP, ComplementsAddUpToOne) {
    for (double x : {5.0, 10.5, 11.0, 20.0}) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(GammaP(10, x) + GammaQ(10, x), 1.0, 4 * DBL_EPSILON);
    }
}

TEST(GammaP, LargeArgumentsDoNotOverflow) {
    EXPECT_NEAR_REL(GammaP(100, 90), 0.1582209891864301681, 1e-13);
    EXPECT_NEAR_REL(GammaQ(1000, 1100), 0.0010593232539299773489, 1e-12);
    // Around the centre of a gamma distribution with shape 1e6: about 1/2.
    EXPECT_NEAR(GammaP(1e6, 1e6), 0.5, 1e-3);
    EXPECT_NEAR(GammaQ(1e6, 1e6 + 1), 0.5, 1e-3);
}

TEST(GammaP, InfiniteAndTinyArgumentsTakeTheirLimits) {
    struct Limit {
        const char* what;
        double got, want, eps;
    };
    const Limit cases[] = {
        // The fraction at X = +Inf would multiply 0 by Inf for ever.
        {"P(2, Inf)", GammaP(2, kInf), 1, 0},
        {"Q(2, Inf)", GammaQ(2, kInf), 0, 0},
        {"P(1e300, Inf)", GammaP(1e300, kInf), 1, 0},
        {"Q(0.5, Inf)", GammaQ(0.5, kInf), 0, 0},
        {"P(Inf, 1)", GammaP(kInf, 1), 0, 0},
        {"Q(Inf, 1)", GammaQ(kInf, 1), 1, 0},
        {"P(Inf, Inf)", GammaP(kInf, kInf), kNaN, 0},
        // 1/(X + 1 - A) would be subnormal, too coarse for the stop test.
        {"P(2, 1e308)", GammaP(2, 1e308), 1, 0},
        {"Q(2, 1e308)", GammaQ(2, 1e308), 0, 0},
        {"Q(1e308, DBL_MAX)", GammaQ(1e308, DBL_MAX), 0, 0},
        // x far below the shape: P underflows, Q is 1.
        {"Q(DBL_MAX, 1e308)", GammaQ(DBL_MAX, 1e308), 1, 0},
        // A shape so small that 1/A overflows: P rounds to 1, and Q, about
        // A E1(0.5) = 2.8e-324, to the smallest subnormal.
        {"P(denormal, 0.5)", GammaP(4.9e-324, 0.5), 1, 0},
        {"Q(denormal, 0.5)", GammaQ(4.9e-324, 0.5), 4.9e-324, 0},
        {"P(denormal, 1e-300)", GammaP(4.9e-324, 1e-300), 1, 0},
        {"P(1e-300, 0.5)", GammaP(1e-300, 0.5), 1, 0},
        {"P(1e-5, 1e-5)", GammaP(1e-5, 1e-5), 0.99989064869904367014, 4},
        // Q = 1 - P from 1 - x^a / Gamma(1 + a), by expm1: mpmath.
        {"Q(1e-5, 1e-5)", GammaQ(1e-5, 1e-5), 1.0935130095632985e-4, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR_EPS(c.got, c.want, c.eps);
    }
}

// Arguments at the edge of the double range end quickly with their limits.
TEST(GammaP, HostileArgumentsEndQuickly) {
    struct Hostile {
        const char* what;
        double a, x, p;
    };
    const Hostile cases[] = {
        {"both 1e300", 1e300, 1e300, 0.5},
        {"x = A + 1 at 1e300", 1e300, 1e300 + 1, 0.5},
        {"x = DBL_MAX, tiny a", 4.9e-324, DBL_MAX, 1},
        {"a = DBL_MAX, x = 1", DBL_MAX, 1, 0},
        {"a = 1e15, x at its mean", 1e15, 1e15, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(GammaP(c.a, c.x), c.p, 1e-7);
        EXPECT_NEAR(GammaQ(c.a, c.x), 1 - c.p, 1e-7);
    }
}

TEST(GammaP, LargeShapesAtTheirMean) {
    // P(a, a) = 1/2 + 1/(3 sqrt(2 pi a)) + O(a^-3/2), up to the shapes of
    // chi-square with a few hundred million degrees of freedom.
    for (double a : {1e4, 1e6, 1e8, 4e8}) {
        SCOPED_TRACE(a);
        const double p = GammaP(a, a);
        EXPECT_NEAR(p, 0.5 + 1 / (3 * std::sqrt(2 * numkern::Pi * a)), 1e-5);
    }
}

}  // namespace
