// Erf, ErfInv and every function of the normal and log-normal laws against
// the mpmath table (body, both tails down to the smallest normal doubles,
// quantiles from p = 1e-300 to 1 - 1e-16), and round trips between the two
// tails.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>

#include "distrium/distrium.h"
#include "tests/distrium/value_table.h"
#include "tests/support/reference_table.h"

namespace {

using namespace distrium;
using testsupport::RefRow;

const std::vector<RefRow> kRows = {
#include "tests/distrium/data/normal_reference.inc"
};

using Args = std::array<double, 4>;

// The rows of the inverses, or of every other function.
std::vector<RefRow> Rows(bool Inverses) {
    std::vector<RefRow> rows;
    for (const RefRow& r : kRows)
        if (std::string(r.Function).ends_with("Inv") == Inverses) rows.push_back(r);
    return rows;
}

const std::map<std::string, testsupport::RefCall> kCalls = {
    {"Erf", [](const Args& a) { return Erf(a[0]); }},
    {"ErfInv", [](const Args& a) { return ErfInv(a[0]); }},
    {"NormalPDF", [](const Args& a) { return NormalPDF(a[0], a[1], a[2]); }},
    {"NormalCDF", [](const Args& a) { return NormalCDF(a[0], a[1], a[2]); }},
    {"NormalCCDF", [](const Args& a) { return NormalCCDF(a[0], a[1], a[2]); }},
    {"NormalCDFInv", [](const Args& a) { return NormalCDFInv(a[0], a[1], a[2]); }},
    {"NormalCCDFInv", [](const Args& a) { return NormalCCDFInv(a[0], a[1], a[2]); }},
    {"LogNormalPDF", [](const Args& a) { return LogNormalPDF(a[0], a[1], a[2]); }},
    {"LogNormalCDF", [](const Args& a) { return LogNormalCDF(a[0], a[1], a[2]); }},
    {"LogNormalCCDF", [](const Args& a) { return LogNormalCCDF(a[0], a[1], a[2]); }},
    {"LogNormalCDFInv", [](const Args& a) { return LogNormalCDFInv(a[0], a[1], a[2]); }},
    {"LogNormalCCDFInv", [](const Args& a) { return LogNormalCCDFInv(a[0], a[1], a[2]); }},
};

TEST(NormalReference, MatchesMpmath) { testsupport::CheckReferenceTable(Rows(false), kCalls, 8); }

// The quantile's ulp or two is multiplied by sigma |z| / |x| in mu + sigma z
// and by sigma |z| in the log-normal's exponential.
TEST(NormalReference, InversesMatchMpmath) {
    testsupport::CheckReferenceTable(Rows(true), kCalls, 64);
}

}  // namespace
