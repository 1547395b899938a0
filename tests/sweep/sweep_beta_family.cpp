// Robustness sweep of the beta, Student and F distributions: every PDF, CDF
// and inverse with every combination of hostile values. Shapes from
// 4.9e-324 to DBL_MAX drive the Newton inverse to its iteration limit, to a
// NaN step and to the incomplete beta function's own bound, all of which
// must end within the time limit.
#include <gtest/gtest.h>

#include "distrium/distrium.h"
#include "tests/sweep/sweep_table.h"

namespace {

using namespace distrium;
using sweep::I;

const sweep::Entry kEntries[] = {
    {"BetaPDF", "rrr", [](const double* v) { return BetaPDF(v[0], v[1], v[2]); }},
    {"BetaCDF", "rrr", [](const double* v) { return BetaCDF(v[0], v[1], v[2]); }},
    {"BetaCDFInv", "rrr", [](const double* v) { return BetaCDFInv(v[0], v[1], v[2]); }},
    {"StudentPDF", "rr", [](const double* v) { return StudentPDF(v[0], v[1]); }},
    {"StudentCDF", "rr", [](const double* v) { return StudentCDF(v[0], v[1]); }},
    {"StudentCDFInv", "rr", [](const double* v) { return StudentCDFInv(v[0], v[1]); }},
    {"FPDF", "rii", [](const double* v) { return FPDF(v[0], I(v[1]), I(v[2])); }},
    {"FCDF", "rii", [](const double* v) { return FCDF(v[0], I(v[1]), I(v[2])); }},
    {"FCDFInv", "rii", [](const double* v) { return FCDFInv(v[0], I(v[1]), I(v[2])); }},
};

class SweepBetaFamily : public ::testing::TestWithParam<sweep::Entry> {};

TEST_P(SweepBetaFamily, EveryCallReturnsInTime) { sweep::Run(GetParam().kinds, GetParam().call); }

INSTANTIATE_TEST_SUITE_P(Distributions, SweepBetaFamily, ::testing::ValuesIn(kEntries),
                         sweep::EntryName);

}  // namespace
