// Discrete uniform distribution on 1..N: whole, non-whole and near-whole
// points, the floor in both tails, the quantiles, and points beyond the
// 32-bit range.
#include <gtest/gtest.h>

#include <cstdint>

#include "distrium/distrium.h"
#include "numkern/numkern.h"
#include "tests/distrium/value_table.h"

namespace {

using namespace distrium;
using disttest::CheckAll;
using numkern::Inf;
using numkern::NaN;

TEST(UniformDiscrete, Values) {
    CheckAll({
        CASE(UniformDPDF(3, 0), NaN),
        CASE(UniformDCDF(3, -2), NaN),
        CASE(UniformDCDFInv(0.5, 0), NaN),
        CASE(UniformDPDF(NaN, 5), NaN),
        CASE(UniformDCDF(NaN, 5), NaN),
        CASE(UniformDCDFInv(NaN, 5), NaN),
        CASE(UniformDPDF(3, 5), 0.2),
        CASE(UniformDPDF(1, 5), 0.2),
        CASE(UniformDPDF(5, 5), 0.2),
        CASE(UniformDPDF(0, 5), 0),
        CASE(UniformDPDF(6, 5), 0),
        CASE(UniformDPDF(3.5, 5), 0),
        CASE(UniformDPDF(1e300, 5), 0),
        {"UniformDPDF(inf, 5)", UniformDPDF(Inf, 5), 0},
        CASE(UniformDCDF(3.7, 5), 0.6),
        CASE(UniformDCDF(1, 5), 0.2),
        CASE(UniformDCDF(0.5, 5), 0),
        CASE(UniformDCDF(-3, 5), 0),
        CASE(UniformDCDF(7, 5), 1),
        CASE(UniformDCDF(5.5, 5), 1),
        // Beyond the 32-bit range the floor is the kernel's -2147483648:
        // the side of 1..N decides.
        CASE(UniformDCDF(1e300, 5), 1),
        CASE(UniformDCDF(-1e300, 5), 0),
        CASE(UniformDCDF(3e9, INT32_MAX), 1),
        CASE(UniformDCDFInv(0.5, 5), 3),
        CASE(UniformDCDFInv(1, 5), 5),
        CASE(UniformDCDFInv(0.2, 5), 1),
        CASE(UniformDCDFInv(1e-300, 5), 1),
        CASE(UniformDCDFInv(1, INT32_MAX), INT32_MAX),
        // p = 0 is outside the domain here, and p = 1 of the upper quantile.
        CASE(UniformDCDFInv(0, 5), NaN),
        CASE(UniformDCDFInv(1.5, 5), NaN),
        CASE(UniformDCCDFInv(1, 5), NaN),
        CASE(UniformDCCDF(3, 0), NaN),
        CASE(UniformDPDF(3.0000000000000004, 5), 0.2),
        CASE(UniformDCDF(2.9999999999999996, 5), 0.6),
        CASE(UniformDCCDF(3.7, 5), 0.4),
        CASE(UniformDCCDF(0.5, 5), 1),
        CASE(UniformDCCDF(5, 5), 0),
        CASE(UniformDCCDF(1e300, 5), 0),
        CASE(UniformDCCDFInv(0, 5), 5),
        CASE(UniformDCCDFInv(0.4, 5), 3),
        CASE(UniformDCCDFInv(0.99, 5), 1),
        CASE(UniformDCCDFInv(1e-300, INT32_MAX), INT32_MAX),
    });
}

// The quantiles are the first k with CDF(k) >= p and with CCDF(k) <= p,
// also where N p rounds across a whole number.
TEST(UniformDiscrete, QuantilesInvertTheTails) {
    for (std::int32_t N : {1, 2, 7, 100, 49999, INT32_MAX})
        for (double p : {0.001, 0.1, 0.25, 0.5, 0.61, 0.999, 1.0, 3.0 / 7, 0.3, 1e-300}) {
            const double k = UniformDCDFInv(p, N);
            EXPECT_GE(UniformDCDF(k, N), p) << N << " " << p;
            EXPECT_LT(UniformDCDF(k - 1, N), p) << N << " " << p;
            if (p == 1) continue;
            const double c = UniformDCCDFInv(p, N);
            EXPECT_LE(UniformDCCDF(c, N), p) << N << " " << p;
            EXPECT_GT(UniformDCCDF(c - 1, N), p) << N << " " << p;
        }
}

}  // namespace
