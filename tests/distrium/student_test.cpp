// Student's t distribution: domain answers, density and CDF against the
// closed forms for 1, 2 and 3 degrees of freedom, quantiles of the t table,
// symmetry, round trips and the far tails.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::Inf;
using numkern::NaN;
using numkern::Pi;

TEST(Student, DomainAndBoundaryValues) {
    CheckAll({
        CASE(StudentPDF(1, 0.5), NaN),
        CASE(StudentCDF(1, 0.5), NaN),
        CASE(StudentCDFInv(0.3, 0.5), NaN),
        CASE(StudentCDFInv(1.5, 3), NaN),
        CASE(StudentCDFInv(-0.5, 3), NaN),
        CASE(StudentCDF(0, 1), 0.5),
        CASE(StudentCDF(0, 2.5), 0.5),
        CASE(StudentCDF(0, 40), 0.5),
        CASE(StudentCDFInv(0, 3), -Inf),
        CASE(StudentCDFInv(1, 3), Inf),
        // The beta inverse answers 1 at probability 1: sqrt(nu / 1 - nu) = 0.
        CASE(StudentCDFInv(0.5, 4), 0),
        CASE(StudentCDFInv(0.5, 2.5), 0),
        {"StudentCDF(inf, 3)", StudentCDF(Inf, 3), 1},
        {"StudentCDF(-inf, 3)", StudentCDF(-Inf, 3), 0},
        CASE(StudentPDF(NaN, 3), NaN),
        CASE(StudentCDF(NaN, 3), NaN),
        CASE(StudentCDF(1, NaN), NaN),
        CASE(StudentCDFInv(NaN, 3), NaN),
    });
}

// With nu = 1 the inverse is the tangent, without a special case at p = 0
// or 1: there it is large but finite.
TEST(Student, CauchyInverseAtTheEndsIsFinite) {
    for (double p : {0.0, 1.0}) {
        const double x = StudentCDFInv(p, 1);
        EXPECT_TRUE(std::isfinite(x)) << p;
        EXPECT_GT(std::fabs(x), 1e15) << p;
    }
}

// nu = 1: 1 / (pi (1 + x^2)); nu = 2: (2 + x^2)^(-3/2);
// nu = 3: 6 sqrt(3) / (pi (3 + x^2)^2).
TEST(Student, DensityMatchesClosedForms) {
    for (double x : {-30.0, -2.5, -0.3, 0.0, 0.7, 1.0, 4.0, 1e3}) {
        EXPECT_NEAR_REL(StudentPDF(x, 1), 1 / (Pi * (1 + x * x)), 1e-14) << x;
        EXPECT_NEAR_REL(StudentPDF(x, 2), std::pow(2 + x * x, -1.5), 1e-14) << x;
        EXPECT_NEAR_REL(StudentPDF(x, 3), 6 * std::sqrt(3.0) / (Pi * std::pow(3 + x * x, 2)), 1e-14)
            << x;
    }
}

// nu = 1: 1/2 + atan(x) / pi; nu = 2: 1/2 + x / (2 sqrt(2 + x^2)). Both
// forms cancel in the lower tail, so the errors are absolute.
TEST(Student, DistributionMatchesClosedForms) {
    for (double x : {-30.0, -2.5, -0.3, 0.7, 1.0, 4.0, 1e3}) {
        EXPECT_NEAR(StudentCDF(x, 1), 0.5 + std::atan(x) / Pi, 2e-16) << x;
        EXPECT_NEAR(StudentCDF(x, 2), 0.5 + x / (2 * std::sqrt(2 + x * x)), 2e-16) << x;
    }
}

TEST(Student, DistributionIsSymmetric) {
    for (double nu : {1.0, 2.5, 7.0, 100.0})
        for (double x : {0.1, 1.0, 3.0, 25.0})
            EXPECT_NEAR(StudentCDF(-x, nu), 1 - StudentCDF(x, nu), 1e-15) << x << " " << nu;
}

// Two-sided critical values of the t table (2.228 for p = 0.975, nu = 10,
// ...), here to 17 digits: mpmath findroot on the regularised incomplete
// beta function at 40 digits.
TEST(Student, QuantilesOfTheTable) {
    struct Case {
        double p, nu, want;
    };
    const Case cases[] = {
        {0.975, 10, 2.2281388519862742},  {0.95, 5, 2.0150483733330235},
        {0.995, 30, 2.7499956535672250},  {0.9, 2, 1.8856180831641270},
        {0.99, 2.5, 5.3531111730308723},  {0.75, 1000, 0.67473516460700944},
        {0.025, 10, -2.2281388519862742}, {0.1, 2, -1.8856180831641270},
    };
    for (const Case& c : cases)
        EXPECT_NEAR_REL(StudentCDFInv(c.p, c.nu), c.want, 1e-8)
            << "StudentCDFInv(" << c.p << ", " << c.nu << ")";
}

TEST(Student, InverseRoundTrips) {
    for (double nu : {1.0, 2.0, 2.5, 5.0, 30.0, 300.0})
        disttest::CheckRoundTrip(
            "Student nu = " + std::to_string(nu), [nu](double x) { return StudentCDF(x, nu); },
            [nu](double p) { return StudentCDFInv(p, nu); }, 1e-7);
}

// Beyond |x| of about 1e154 the term x^2 / nu + 1 overflows before its
// logarithm; the density there is 0, not the NaN of Exp(-Inf).
TEST(Student, DensityVanishesFarOut) {
    CheckAll({
        CASE(StudentPDF(1e200, 3), 0),
        CASE(StudentPDF(-1e300, 1), 0),
        {"StudentPDF(inf, 2.5)", StudentPDF(Inf, 2.5), 0},
    });
    EXPECT_GT(StudentPDF(1e100, 1), 0);
}

}  // namespace
