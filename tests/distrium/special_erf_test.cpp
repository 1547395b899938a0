// Erf and ErfInv: accuracy against mpmath (erf, erfinv, 40 digits), round
// trips over (-1, 1), the end values and the exception outside [-1, 1].
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/support/accuracy.h"

namespace {

using distrium::Erf;
using distrium::ErfInv;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kEndValue = 1.797693134862315e308;

struct Case {
    double x, want;
};

TEST(Erf, MatchesReference) {
    // mpmath erf(x).
    const Case cases[] = {
        {0.5, 0.52049987781304653768},     {3, 0.99997790950300141456},
        {0.1, 0.1124629160182848984},      {1, 0.84270079294971486934},
        {1.5, 0.96610514647531072707},     {2, 0.99532226501895273416},
        {-0.5, -0.52049987781304653768},   {-2.5, -0.99959304798255504106},
        {1e-10, 1.128379167095512615e-10}, {4, 0.99999998458274209972},
        {5, 0.99999999999846254021},       {0.001, 0.0011283787909692364034},
        {6, 0.99999999999999997848},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(Erf(c.x), c.want, 8);
    }
}

TEST(Erf, SpecialValues) {
    const Case cases[] = {
        {0, 0},       {10, 1},
        {-10, -1},    {kInf, 1},
        {-kInf, -1},  {DBL_MAX, 1},
        {-1e300, -1}, {4.9e-324, 4.9e-324},  // 2x / sqrt(pi) rounds to the smallest denormal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Erf(c.x), c.want);
    }
    EXPECT_TRUE(std::isnan(Erf(kNaN)));
}

TEST(Erf, IsOdd) {
    for (double x : {0.01, 0.3, 0.9, 1.7, 2.6, 4.2}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(Erf(-x), -Erf(x));
    }
}

TEST(ErfInv, MatchesReference) {
    // mpmath erfinv(y).
    const Case cases[] = {
        {0.5, 0.47693627620446987338},
        {0.9, 1.1630871536766741628},
        {-0.95, -1.3859038243496776766},
        {0.7, 0.73286907795921678488},
        {0.1, 0.088855990494257691974},
        {0.3, 0.27246271472675434502},
        {-0.6, -0.59511608144999482198},
        {0.99, 1.8213863677184494559},
        {0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR_EPS(ErfInv(c.x), c.want, 16);
    }
    // Near +-1 erf is flat: an error of one ulp in erf(x) moves x by about
    // 1e-16 / erf'(x), that is 1e-11 at y = 1 - 1e-6 and 1e-8 at 1 - 1e-9.
    EXPECT_NEAR_REL(ErfInv(0.999999), 3.4589107372754987775, 1e-11);
    EXPECT_NEAR_REL(ErfInv(-0.999999999), -4.3200053881053620459, 1e-8);
}

TEST(ErfInv, RoundTripsOverTheOpenInterval) {
    for (int k = -999; k <= 999; ++k) {
        const double y = k / 1000.0;
        SCOPED_TRACE(y);
        EXPECT_NEAR(Erf(ErfInv(y)), y, 4 * DBL_EPSILON);
    }
}

TEST(ErfInv, EndsAndOutside) {
    EXPECT_EQ(ErfInv(1), kEndValue);
    EXPECT_EQ(ErfInv(-1), -kEndValue);
    EXPECT_TRUE(std::isnan(ErfInv(kNaN)));
    for (double y : {1.5, -1.0000001, kInf, -kInf, DBL_MAX}) {
        SCOPED_TRACE(y);
        try {
            ErfInv(y);
            ADD_FAILURE() << "no exception";
        } catch (const numkern::EOrlenException& e) {
            EXPECT_EQ(std::string(e.what()), "abs(y) > 0");
        }
    }
}

}  // namespace
