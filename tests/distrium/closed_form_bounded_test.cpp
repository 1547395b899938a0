// Triangular and uniform: domain and boundary answers, the triangular CDF
// as the exact Simpson integral of its piecewise linear density, the side
// the triangular inverse takes, and round trips.
#include <gtest/gtest.h>

#include <cmath>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using disttest::CheckRoundTrip;
using numkern::Inf;
using numkern::NaN;

TEST(ClosedFormBounded, DomainAndBoundaryValues) {
    CheckAll({
        // b <= a, a > c or c > b.
        CASE(TriangularPDF(1, 2, 2, 2), NaN),
        CASE(TriangularCDF(1, 0, 2, -1), NaN),
        CASE(TriangularCDFInv(0.5, 0, 2, 3), NaN),
        CASE(TriangularCDFInv(0.5, 3, 2, 2.5), NaN),
        // Outside [a, b] the answer is NaN, not 0 or 1.
        CASE(TriangularPDF(-0.1, 0, 2, 1), NaN),
        CASE(TriangularPDF(2.1, 0, 2, 1), NaN),
        CASE(TriangularCDF(-0.1, 0, 2, 1), NaN),
        CASE(TriangularCDF(2.1, 0, 2, 1), NaN),
        // With a = c the rising side is empty: 0 / 0 at x = a.
        CASE(TriangularPDF(0, 0, 2, 0), NaN),
        CASE(TriangularCDF(0, 0, 2, 0), NaN),
        CASE(TriangularPDF(1, 0, 4, 1), 0.5),
        CASE(TriangularCDF(1, 0, 4, 1), 0.25),
        CASE(TriangularCDF(4, 0, 4, 1), 1),
        CASE(TriangularPDF(4, 0, 4, 1), 0),
        CASE(TriangularCDFInv(0, -1, 3, 1), -1),
        CASE(TriangularCDFInv(1, -1, 3, 1), 3),
        CASE(TriangularCDFInv(0.5, -1, 3, 1), 1),
        CASE(TriangularCDFInv(0, 0, 2, 0), 0),
        CASE(TriangularCDFInv(1, 0, 2, 2), 2),
        // p outside [0, 1] has no quantile on either side.
        CASE(TriangularCDFInv(-0.5, 0, 1, 0.5), NaN),
        CASE(TriangularCDFInv(1.5, 0, 1, 0.5), NaN),
        CASE(TriangularCDFInv(-0.5, 0, 1, 0), NaN),
        CASE(TriangularCDFInv(1.5, 0, 1, 1), NaN),
        CASE(UniformPDF(2, 2, 6), 0.25),
        CASE(UniformPDF(6, 2, 6), 0.25),
        CASE(UniformPDF(1.9, 2, 6), 0),
        CASE(UniformPDF(6.1, 2, 6), 0),
        CASE(UniformCDF(2, 2, 6), 0),
        CASE(UniformCDF(6, 2, 6), 1),
        CASE(UniformCDF(-1e300, 2, 6), 0),
        {"UniformCDF(inf, 2, 6)", UniformCDF(Inf, 2, 6), 1},
        CASE(UniformCDF(3, 2, 6), 0.25),
        CASE(UniformCDFInv(0, 2, 6), 2),
        CASE(UniformCDFInv(1, 2, 6), 6),
        CASE(UniformCDFInv(0.25, 2, 6), 3),
        CASE(UniformCDFInv(1.1, 2, 6), NaN),
        CASE(UniformCDFInv(-0.1, 2, 6), NaN),
        CASE(UniformPDF(2, 2, 2), NaN),
        CASE(UniformCDF(2, 2, 2), NaN),
        CASE(UniformCDFInv(0.5, 2, 2), NaN),
        CASE(UniformPDF(0, 3, 2), NaN),
        CASE(TriangularPDF(NaN, 0, 1, 0.5), NaN),
        CASE(TriangularCDFInv(0.5, 0, 1, NaN), NaN),
        CASE(UniformCDF(NaN, 0, 1), NaN),
        CASE(UniformCDFInv(0.5, NaN, 1), NaN),
    });
}

struct Triangle {
    double a, b, c;
};

const Triangle kTriangles[] = {{0, 1, 0.5}, {-1, 3, 1}, {2, 10, 2.5},
                               {0, 1, 0},   {0, 1, 1},  {-5, -2, -4}};

// Simpson's rule is exact for the quadratic pieces of the CDF.
double SimpsonOfDensity(const Triangle& t, double from, double to) {
    const double mid = 0.5 * (from + to);
    return (to - from) / 6 *
           (TriangularPDF(from, t.a, t.b, t.c) + 4 * TriangularPDF(mid, t.a, t.b, t.c) +
            TriangularPDF(to, t.a, t.b, t.c));
}

TEST(ClosedFormBounded, TriangularCDFIntegratesTheDensity) {
    for (const Triangle& t : kTriangles)
        for (double f : {0.1, 0.3, 0.5, 0.8, 0.95}) {
            const double x = t.a + f * (t.b - t.a);
            double want;
            if (x <= t.c)
                want = SimpsonOfDensity(t, t.a, x);
            else
                want = 1 - SimpsonOfDensity(t, x, t.b);
            EXPECT_NEAR(TriangularCDF(x, t.a, t.b, t.c), want, 1e-15)
                << "x = " << x << " in (" << t.a << ", " << t.b << ", " << t.c << ")";
        }
}

TEST(ClosedFormBounded, TriangularCDFAtTheMode) {
    for (const Triangle& t : kTriangles) {
        if (t.a == t.c) continue;  // 0 / 0 at x = a = c
        EXPECT_NEAR_EPS(TriangularCDF(t.c, t.a, t.b, t.c), (t.c - t.a) / (t.b - t.a), 2);
        EXPECT_NEAR_EPS(TriangularPDF(t.c, t.a, t.b, t.c), 2 / (t.b - t.a), 2);
    }
}

// The rising-side candidate for p up to the CDF at the mode, the falling
// side above it; either way the CDF of the answer is p.
TEST(ClosedFormBounded, TriangularInverseTakesTheRightSide) {
    for (const Triangle& t : kTriangles) {
        const double atMode = (t.c - t.a) / (t.b - t.a);
        std::vector<double> ps = disttest::ProbabilityGrid();
        ps.insert(ps.end(), {0.0, 1.0, atMode});
        if (atMode < 1) ps.push_back(std::nextafter(atMode, 2.0));
        for (double p : ps) {
            const double x = TriangularCDFInv(p, t.a, t.b, t.c);
            const std::string where = "p = " + std::to_string(p) + " in (" + std::to_string(t.a) +
                                      ", " + std::to_string(t.b) + ", " + std::to_string(t.c) + ")";
            ASSERT_FALSE(std::isnan(x)) << where;
            EXPECT_GE(x, t.a) << where;
            EXPECT_LE(x, t.b) << where;
            if (p <= atMode) {
                EXPECT_LE(x, t.c + 4e-16 * std::fabs(t.c)) << where;
            } else {
                EXPECT_GE(x, t.c) << where;
            }
            if (p > 0 && x > t.a) {
                EXPECT_NEAR(TriangularCDF(x, t.a, t.b, t.c), p, 4e-15) << where;
            }
        }
    }
}

TEST(ClosedFormBounded, UniformMatchesItsDefinition) {
    for (double p : disttest::ProbabilityGrid()) {
        EXPECT_NEAR_REL(UniformCDFInv(p, -3, 5), -3 + 8 * p, 1e-15) << p;
        // -3 + 8p is rounded: an absolute error of about eps in the CDF.
        EXPECT_NEAR(UniformCDF(-3 + 8 * p, -3, 5), p, 2e-16) << p;
    }
    EXPECT_NEAR_EPS(UniformCDFInv(1, 0.1, 0.7), 0.7, 1);
}

TEST(ClosedFormBounded, RoundTrips) {
    for (const Triangle& t : kTriangles)
        CheckRoundTrip(
            "triangular", [&](double x) { return TriangularCDF(x, t.a, t.b, t.c); },
            [&](double p) { return TriangularCDFInv(p, t.a, t.b, t.c); }, 1e-12);
    // From a = 0 no rounding of a + (b - a) p hides the small p.
    CheckRoundTrip(
        "uniform", [](double x) { return UniformCDF(x, 0, 2e-3); },
        [](double p) { return UniformCDFInv(p, 0, 2e-3); }, 1e-15);
}

}  // namespace
