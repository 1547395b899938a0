// Robustness sweep of the six discrete distributions: every PDF, CDF and
// inverse with every combination of hostile values. Points and parameters
// up to INT32_MAX, 1e300 and the infinities send the summing CDFs and the
// walking inverses across supports of billions of points, and p near 0
// makes the negative binomial's support endless: each call must still end
// within the time limit, without undefined conversions.
#include <gtest/gtest.h>

#include "distrium/distrium.h"
#include "tests/sweep/sweep_table.h"

namespace {

using namespace distrium;
using sweep::I;

const sweep::Entry kEntries[] = {
    {"BinomPDF", "rir", [](const double* v) { return BinomPDF(v[0], I(v[1]), v[2]); }},
    {"BinomCDF", "rir", [](const double* v) { return BinomCDF(v[0], I(v[1]), v[2]); }},
    {"BinomCDFInv", "rir", [](const double* v) { return BinomCDFInv(v[0], I(v[1]), v[2]); }},
    {"NegBinomPDF", "rir", [](const double* v) { return NegBinomPDF(v[0], I(v[1]), v[2]); }},
    {"NegBinomCDF", "rir", [](const double* v) { return NegBinomCDF(v[0], I(v[1]), v[2]); }},
    {"NegBinomCDFInv", "rir", [](const double* v) { return NegBinomCDFInv(v[0], I(v[1]), v[2]); }},
    {"PoissonPDF", "ir", [](const double* v) { return PoissonPDF(I(v[0]), v[1]); }},
    {"PoissonCDF", "rr", [](const double* v) { return PoissonCDF(v[0], v[1]); }},
    {"PoissonCDFInv", "rr", [](const double* v) { return PoissonCDFInv(v[0], v[1]); }},
    {"GeometricPDF", "rr", [](const double* v) { return GeometricPDF(v[0], v[1]); }},
    {"GeometricCDF", "rr", [](const double* v) { return GeometricCDF(v[0], v[1]); }},
    {"GeometricCDFInv", "rr", [](const double* v) { return GeometricCDFInv(v[0], v[1]); }},
    {"HypGeometricPDF", "riii",
     [](const double* v) { return HypGeometricPDF(v[0], I(v[1]), I(v[2]), I(v[3])); }},
    {"HypGeometricCDF", "riii",
     [](const double* v) { return HypGeometricCDF(v[0], I(v[1]), I(v[2]), I(v[3])); }},
    {"HypGeometricCDFInv", "riii",
     [](const double* v) { return HypGeometricCDFInv(v[0], I(v[1]), I(v[2]), I(v[3])); }},
    {"UniformDPDF", "ri", [](const double* v) { return UniformDPDF(v[0], I(v[1])); }},
    {"UniformDCDF", "ri", [](const double* v) { return UniformDCDF(v[0], I(v[1])); }},
    {"UniformDCDFInv", "ri", [](const double* v) { return UniformDCDFInv(v[0], I(v[1])); }},
};

class SweepDiscrete : public ::testing::TestWithParam<sweep::Entry> {};

TEST_P(SweepDiscrete, EveryCallReturnsInTime) { sweep::Run(GetParam().kinds, GetParam().call); }

INSTANTIATE_TEST_SUITE_P(Distributions, SweepDiscrete, ::testing::ValuesIn(kEntries),
                         sweep::EntryName);

}  // namespace
