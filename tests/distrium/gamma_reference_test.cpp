// The gamma, chi-square and exponential laws and the incomplete gamma ratios
// against the mpmath table of data/gamma_reference.py: body, both tails down
// to the smallest normal double, shapes 1e-3 .. 1e7 and the Poisson sizes up
// to 1e15.
#include <gtest/gtest.h>

#include <cstring>

#include "distrium/distrium.h"
#include "tests/support/reference_table.h"

namespace {

using testsupport::RefCall;
using testsupport::RefRow;

const std::vector<RefRow> kRows = {
#include "tests/distrium/data/gamma_reference.inc"
};

std::int32_t Nu(double v) { return static_cast<std::int32_t>(v); }

const std::map<std::string, RefCall> kCalls = {
    {"GammaP", [](const auto& v) { return distrium::GammaP(v[0], v[1]); }},
    {"GammaQ", [](const auto& v) { return distrium::GammaQ(v[0], v[1]); }},
    {"GammaPDF", [](const auto& v) { return distrium::GammaPDF(v[0], v[1], v[2]); }},
    {"GammaCDF", [](const auto& v) { return distrium::GammaCDF(v[0], v[1], v[2]); }},
    {"GammaCCDF", [](const auto& v) { return distrium::GammaCCDF(v[0], v[1], v[2]); }},
    {"GammaCDFInv", [](const auto& v) { return distrium::GammaCDFInv(v[0], v[1], v[2]); }},
    {"GammaCCDFInv", [](const auto& v) { return distrium::GammaCCDFInv(v[0], v[1], v[2]); }},
    {"ChiSquarePDF", [](const auto& v) { return distrium::ChiSquarePDF(v[0], Nu(v[1])); }},
    {"ChiSquareCDF", [](const auto& v) { return distrium::ChiSquareCDF(v[0], Nu(v[1])); }},
    {"ChiSquareCCDF", [](const auto& v) { return distrium::ChiSquareCCDF(v[0], Nu(v[1])); }},
    {"ChiSquareCDFInv", [](const auto& v) { return distrium::ChiSquareCDFInv(v[0], Nu(v[1])); }},
    {"ChiSquareCCDFInv", [](const auto& v) { return distrium::ChiSquareCCDFInv(v[0], Nu(v[1])); }},
    {"ExpPDF", [](const auto& v) { return distrium::ExpPDF(v[0], v[1]); }},
    {"ExpCDF", [](const auto& v) { return distrium::ExpCDF(v[0], v[1]); }},
    {"ExpCCDF", [](const auto& v) { return distrium::ExpCCDF(v[0], v[1]); }},
    {"ExpCDFInv", [](const auto& v) { return distrium::ExpCDFInv(v[0], v[1]); }},
    {"ExpCCDFInv", [](const auto& v) { return distrium::ExpCCDFInv(v[0], v[1]); }},
};

std::vector<RefRow> Rows(bool Quantiles) {
    std::vector<RefRow> rows;
    for (const RefRow& r : kRows)
        if ((std::strstr(r.Function, "Inv") != nullptr) == Quantiles) rows.push_back(r);
    return rows;
}

TEST(GammaReference, DensitiesTailsAndRatios) {
    testsupport::CheckReferenceTable(Rows(false), kCalls, 4);
}

TEST(GammaReference, Quantiles) { testsupport::CheckReferenceTable(Rows(true), kCalls, 4); }

}  // namespace
