// Geometric distribution: domain answers, rounding of the point (ties to
// even), masses and CDF against their closed forms, the p = 0 and p = 1
// ends, points beyond the 32-bit range, and the closed-form quantile that
// counts trials rather than failures.
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

TEST(Geometric, DomainAndPointValues) {
    CheckAll({
        {"GeometricPDF(1, 0)", GeometricPDF(1, 0), NaN},
        {"GeometricPDF(1, 1.5)", GeometricPDF(1, 1.5), NaN},
        {"GeometricPDF(NaN, 0.5)", GeometricPDF(NaN, 0.5), NaN},
        {"GeometricCDF(-1, 0.5)", GeometricCDF(-1, 0.5), NaN},
        {"GeometricCDF(1, 0)", GeometricCDF(1, 0), NaN},
        {"GeometricCDF(1, 1.5)", GeometricCDF(1, 1.5), NaN},
        {"GeometricCDF(NaN, 0.5)", GeometricCDF(NaN, 0.5), NaN},
        {"GeometricCDFInv(-0.1, 0.5)", GeometricCDFInv(-0.1, 0.5), NaN},
        {"GeometricCDFInv(1.1, 0.5)", GeometricCDFInv(1.1, 0.5), NaN},
        {"GeometricCDFInv(0.5, -0.5)", GeometricCDFInv(0.5, -0.5), NaN},
        {"GeometricCDFInv(0.5, 1.5)", GeometricCDFInv(0.5, 1.5), NaN},
        {"GeometricCDFInv(NaN, 0.5)", GeometricCDFInv(NaN, 0.5), NaN},
        // A point that differs from its rounding has mass 0; the CDF
        // rounds it, halves to even.
        {"GeometricPDF(2.5, 0.3)", GeometricPDF(2.5, 0.3), 0},
        {"GeometricPDF(-2, 0.3)", GeometricPDF(-2, 0.3), 0},
        {"GeometricCDF(2.4, 0.3)", GeometricCDF(2.4, 0.3), GeometricCDF(2, 0.3)},
        {"GeometricCDF(2.5, 0.3)", GeometricCDF(2.5, 0.3), GeometricCDF(2, 0.3)},
        {"GeometricCDF(3.5, 0.3)", GeometricCDF(3.5, 0.3), GeometricCDF(4, 0.3)},
        {"GeometricCDF(2.6, 0.3)", GeometricCDF(2.6, 0.3), GeometricCDF(3, 0.3)},
        {"GeometricCDF(0.4, 0.3)", GeometricCDF(0.4, 0.3), GeometricCDF(0, 0.3)},
        {"GeometricCDFInv(0, 0.3)", GeometricCDFInv(0, 0.3), 0},
        {"GeometricCDFInv(1, 0.3)", GeometricCDFInv(1, 0.3), Inf},
        // Trials up to and including the first success: one more than the
        // failures the CDF counts.
        {"GeometricCDFInv(0.5, 0.5)", GeometricCDFInv(0.5, 0.5), 1},
        {"GeometricCDF(0, 0.5)", GeometricCDF(0, 0.5), 0.5},
        {"GeometricCDFInv(0.75, 0.5)", GeometricCDFInv(0.75, 0.5), 2},
    });
}

// p = 1: every trial succeeds, all mass at 0 and the CDF 1 from there on.
// p = 0 (accepted by the inverse alone): a success never comes.
TEST(Geometric, DegenerateSuccessProbabilities) {
    CheckAll({
        {"GeometricPDF(0, 1)", GeometricPDF(0, 1), 1},
        {"GeometricPDF(3, 1)", GeometricPDF(3, 1), 0},
        {"GeometricCDF(0, 1)", GeometricCDF(0, 1), 1},
        {"GeometricCDF(5, 1)", GeometricCDF(5, 1), 1},
        {"GeometricCDF(3e9, 1)", GeometricCDF(3e9, 1), 1},
        {"GeometricCDFInv(0.5, 0)", GeometricCDFInv(0.5, 0), Inf},
        {"GeometricCDFInv(1e-300, 0)", GeometricCDFInv(1e-300, 0), Inf},
        {"GeometricCDFInv(0, 0)", GeometricCDFInv(0, 0), 0},
    });
}

TEST(Geometric, MassesAndDistributionMatchClosedForms) {
    for (double p : {0.01, 0.3, 0.5, 0.9})
        for (int k : {0, 1, 2, 7, 40, 300}) {
            const double q = 1 - p;
            EXPECT_NEAR_REL(GeometricPDF(k, p), p * std::pow(q, k), 1e-14) << k << " " << p;
            EXPECT_NEAR(GeometricCDF(k, p), 1 - std::pow(q, k + 1), 1e-15) << k << " " << p;
        }
}

// ceil(ln(1 - prob) / ln(1 - p)) is the first trial count n with
// 1 - (1-p)^n >= prob: CDF(n - 1) >= prob > CDF(n - 2) in failures.
TEST(Geometric, QuantileCountsTrials) {
    for (double p : {0.01, 0.3, 0.5, 0.9})
        for (double prob : {0.001, 0.1, 0.4, 0.77, 0.99, 0.999999}) {
            const double n = GeometricCDFInv(prob, p);
            EXPECT_GE(GeometricCDF(n - 1, p), prob * (1 - 1e-14)) << prob << " " << p;
            if (n >= 2) {
                EXPECT_LT(GeometricCDF(n - 2, p), prob) << prob << " " << p;
            }
        }
}

// Points and quantiles beyond the 32-bit range: the power takes the real
// exponent there. References from mpmath at 40 digits with 1 - p rounded to
// double, as the formulas round it.
TEST(Geometric, BeyondThe32BitRange) {
    EXPECT_NEAR_REL(GeometricCDF(3e9, 1e-10), 0.25918179779214833, 1e-9);
    EXPECT_NEAR_REL(GeometricPDF(3e9, 1e-10), 1e-10 * (1 - 0.25918179779214833), 1e-9);
    EXPECT_NEAR_REL(GeometricCDFInv(0.5, 1e-12), 693162514507, 1e-12);
    EXPECT_EQ(GeometricPDF(Inf, 0.3), 0);
    EXPECT_EQ(GeometricCDF(Inf, 0.3), 1);
}

}  // namespace
