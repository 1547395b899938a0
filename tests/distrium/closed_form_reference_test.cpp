// The closed-form laws and the Maxwell, Bose-Einstein and Fermi-Dirac
// functions against their mpmath tables: every PDF, CDF, upper tail and
// inverse in the body and down to the smallest normal doubles in both tails.
#include <gtest/gtest.h>

#include <array>

#include "distrium/distrium.h"
#include "tests/support/reference_table.h"

namespace {

using namespace distrium;
using testsupport::RefCall;
using testsupport::RefRow;
using Args = std::array<double, 4>;

const std::vector<RefRow> kClosedFormRows = {
#include "tests/distrium/data/closed_form_reference.inc"
};

const std::vector<RefRow> kPhysicsRows = {
#include "tests/distrium/data/physics_reference.inc"
};

// The five functions of a law with two parameters, under their names.
void AddLaw(std::map<std::string, RefCall>& calls, const std::string& name,
            double (*pdf)(double, double, double), double (*cdf)(double, double, double),
            double (*ccdf)(double, double, double), double (*inv)(double, double, double),
            double (*cinv)(double, double, double)) {
    const std::pair<const char*, double (*)(double, double, double)> fs[] = {
        {"PDF", pdf}, {"CDF", cdf}, {"CCDF", ccdf}, {"CDFInv", inv}, {"CCDFInv", cinv}};
    for (const auto& [suffix, f] : fs)
        calls[name + suffix] = [f](const Args& a) { return f(a[0], a[1], a[2]); };
}

TEST(ClosedFormReference, MatchesMpmath) {
    std::map<std::string, RefCall> calls;
    AddLaw(calls, "Cauchy", CauchyPDF, CauchyCDF, CauchyCCDF, CauchyCDFInv, CauchyCCDFInv);
    AddLaw(calls, "Laplace", LaplacePDF, LaplaceCDF, LaplaceCCDF, LaplaceCDFInv, LaplaceCCDFInv);
    AddLaw(calls, "Logistic", LogisticPDF, LogisticCDF, LogisticCCDF, LogisticCDFInv,
           LogisticCCDFInv);
    AddLaw(calls, "LogWeibull", LogWeibullPDF, LogWeibullCDF, LogWeibullCCDF, LogWeibullCDFInv,
           LogWeibullCCDFInv);
    AddLaw(calls, "Pareto", ParetoPDF, ParetoCDF, ParetoCCDF, ParetoCDFInv, ParetoCCDFInv);
    AddLaw(calls, "Uniform", UniformPDF, UniformCDF, UniformCCDF, UniformCDFInv, UniformCCDFInv);
    AddLaw(calls, "Weibull", WeibullPDF, WeibullCDF, WeibullCCDF, WeibullCDFInv, WeibullCCDFInv);
    calls["RayleighPDF"] = [](const Args& a) { return RayleighPDF(a[0], a[1]); };
    calls["RayleighCDF"] = [](const Args& a) { return RayleighCDF(a[0], a[1]); };
    calls["RayleighCCDF"] = [](const Args& a) { return RayleighCCDF(a[0], a[1]); };
    calls["RayleighCDFInv"] = [](const Args& a) { return RayleighCDFInv(a[0], a[1]); };
    calls["RayleighCCDFInv"] = [](const Args& a) { return RayleighCCDFInv(a[0], a[1]); };
    calls["TriangularPDF"] = [](const Args& a) { return TriangularPDF(a[0], a[1], a[2], a[3]); };
    calls["TriangularCDF"] = [](const Args& a) { return TriangularCDF(a[0], a[1], a[2], a[3]); };
    calls["TriangularCCDF"] = [](const Args& a) { return TriangularCCDF(a[0], a[1], a[2], a[3]); };
    calls["TriangularCDFInv"] = [](const Args& a) {
        return TriangularCDFInv(a[0], a[1], a[2], a[3]);
    };
    calls["TriangularCCDFInv"] = [](const Args& a) {
        return TriangularCCDFInv(a[0], a[1], a[2], a[3]);
    };
    testsupport::CheckReferenceTable(kClosedFormRows, calls, 8);
}

TEST(PhysicsReference, MatchesMpmath) {
    testsupport::CheckReferenceTable(
        kPhysicsRows,
        {
            {"MaxwellPDF", [](const Args& a) { return MaxwellPDF(a[0], a[1]); }},
            {"MaxwellCDF", [](const Args& a) { return MaxwellCDF(a[0], a[1]); }},
            {"MaxwellCCDF", [](const Args& a) { return MaxwellCCDF(a[0], a[1]); }},
            {"MaxwellCDFInv", [](const Args& a) { return MaxwellCDFInv(a[0], a[1]); }},
            {"MaxwellCCDFInv", [](const Args& a) { return MaxwellCCDFInv(a[0], a[1]); }},
            {"BoseEinsteinPDF", [](const Args& a) { return BoseEinsteinPDF(a[0], a[1], a[2]); }},
            {"FermiDiracPDF", [](const Args& a) { return FermiDiracPDF(a[0], a[1], a[2]); }},
        },
        8);
}

}  // namespace
