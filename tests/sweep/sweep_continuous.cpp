// Robustness sweep of the continuous distributions: every PDF, CDF and
// inverse with every combination of hostile values (the sweep's list holds
// the infinities, so GammaCDF at x = +Inf reaches the continued fraction,
// and shapes from 4.9e-324 to DBL_MAX drive GammaCDFInv to its limit).
#include <gtest/gtest.h>

#include "distrium/distrium.h"
#include "tests/sweep/sweep_table.h"

namespace {

using namespace distrium;
using sweep::I;

const sweep::Entry kEntries[] = {
    {"GammaPDF", "rrr", [](const double* v) { return GammaPDF(v[0], v[1], v[2]); }},
    {"GammaCDF", "rrr", [](const double* v) { return GammaCDF(v[0], v[1], v[2]); }},
    {"GammaCDFInv", "rrr", [](const double* v) { return GammaCDFInv(v[0], v[1], v[2]); }},
    {"ChiSquarePDF", "ri", [](const double* v) { return ChiSquarePDF(v[0], I(v[1])); }},
    {"ChiSquareCDF", "ri", [](const double* v) { return ChiSquareCDF(v[0], I(v[1])); }},
    {"ChiSquareCDFInv", "ri", [](const double* v) { return ChiSquareCDFInv(v[0], I(v[1])); }},
    {"ExpPDF", "rr", [](const double* v) { return ExpPDF(v[0], v[1]); }},
    {"ExpCDF", "rr", [](const double* v) { return ExpCDF(v[0], v[1]); }},
    {"ExpCDFInv", "rr", [](const double* v) { return ExpCDFInv(v[0], v[1]); }},
    {"CauchyPDF", "rrr", [](const double* v) { return CauchyPDF(v[0], v[1], v[2]); }},
    {"CauchyCDF", "rrr", [](const double* v) { return CauchyCDF(v[0], v[1], v[2]); }},
    {"CauchyCDFInv", "rrr", [](const double* v) { return CauchyCDFInv(v[0], v[1], v[2]); }},
    {"LaplacePDF", "rrr", [](const double* v) { return LaplacePDF(v[0], v[1], v[2]); }},
    {"LaplaceCDF", "rrr", [](const double* v) { return LaplaceCDF(v[0], v[1], v[2]); }},
    {"LaplaceCDFInv", "rrr", [](const double* v) { return LaplaceCDFInv(v[0], v[1], v[2]); }},
    {"LogisticPDF", "rrr", [](const double* v) { return LogisticPDF(v[0], v[1], v[2]); }},
    {"LogisticCDF", "rrr", [](const double* v) { return LogisticCDF(v[0], v[1], v[2]); }},
    {"LogisticCDFInv", "rrr", [](const double* v) { return LogisticCDFInv(v[0], v[1], v[2]); }},
    {"LogWeibullPDF", "rrr", [](const double* v) { return LogWeibullPDF(v[0], v[1], v[2]); }},
    {"LogWeibullCDF", "rrr", [](const double* v) { return LogWeibullCDF(v[0], v[1], v[2]); }},
    {"LogWeibullCDFInv", "rrr", [](const double* v) { return LogWeibullCDFInv(v[0], v[1], v[2]); }},
    {"ParetoPDF", "rrr", [](const double* v) { return ParetoPDF(v[0], v[1], v[2]); }},
    {"ParetoCDF", "rrr", [](const double* v) { return ParetoCDF(v[0], v[1], v[2]); }},
    {"ParetoCDFInv", "rrr", [](const double* v) { return ParetoCDFInv(v[0], v[1], v[2]); }},
    {"RayleighPDF", "rr", [](const double* v) { return RayleighPDF(v[0], v[1]); }},
    {"RayleighCDF", "rr", [](const double* v) { return RayleighCDF(v[0], v[1]); }},
    {"RayleighCDFInv", "rr", [](const double* v) { return RayleighCDFInv(v[0], v[1]); }},
    {"TriangularPDF", "rrrr",
     [](const double* v) { return TriangularPDF(v[0], v[1], v[2], v[3]); }},
    {"TriangularCDF", "rrrr",
     [](const double* v) { return TriangularCDF(v[0], v[1], v[2], v[3]); }},
    {"TriangularCDFInv", "rrrr",
     [](const double* v) { return TriangularCDFInv(v[0], v[1], v[2], v[3]); }},
    {"UniformPDF", "rrr", [](const double* v) { return UniformPDF(v[0], v[1], v[2]); }},
    {"UniformCDF", "rrr", [](const double* v) { return UniformCDF(v[0], v[1], v[2]); }},
    {"UniformCDFInv", "rrr", [](const double* v) { return UniformCDFInv(v[0], v[1], v[2]); }},
    {"WeibullPDF", "rrr", [](const double* v) { return WeibullPDF(v[0], v[1], v[2]); }},
    {"WeibullCDF", "rrr", [](const double* v) { return WeibullCDF(v[0], v[1], v[2]); }},
    {"WeibullCDFInv", "rrr", [](const double* v) { return WeibullCDFInv(v[0], v[1], v[2]); }},
    {"MaxwellPDF", "rr", [](const double* v) { return MaxwellPDF(v[0], v[1]); }},
    {"MaxwellCDF", "rr", [](const double* v) { return MaxwellCDF(v[0], v[1]); }},
    {"MaxwellCDFInv", "rr", [](const double* v) { return MaxwellCDFInv(v[0], v[1]); }},
    {"BoseEinsteinPDF", "rrr", [](const double* v) { return BoseEinsteinPDF(v[0], v[1], v[2]); }},
    {"FermiDiracPDF", "rrr", [](const double* v) { return FermiDiracPDF(v[0], v[1], v[2]); }},
    {"NormalPDF", "rrr", [](const double* v) { return NormalPDF(v[0], v[1], v[2]); }},
    {"NormalCDF", "rrr", [](const double* v) { return NormalCDF(v[0], v[1], v[2]); }},
    {"NormalCDFInv", "rrr", [](const double* v) { return NormalCDFInv(v[0], v[1], v[2]); }},
    {"LogNormalPDF", "rrr", [](const double* v) { return LogNormalPDF(v[0], v[1], v[2]); }},
    {"LogNormalCDF", "rrr", [](const double* v) { return LogNormalCDF(v[0], v[1], v[2]); }},
    {"LogNormalCDFInv", "rrr", [](const double* v) { return LogNormalCDFInv(v[0], v[1], v[2]); }},
};

class SweepContinuous : public ::testing::TestWithParam<sweep::Entry> {};

TEST_P(SweepContinuous, EveryCallReturnsInTime) { sweep::Run(GetParam().kinds, GetParam().call); }

INSTANTIATE_TEST_SUITE_P(Distributions, SweepContinuous, ::testing::ValuesIn(kEntries),
                         sweep::EntryName);

}  // namespace
