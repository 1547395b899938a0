// Cost of the continuous distributions: PDF, CDF and inverse of each at a
// typical point in the body of the distribution.

#include "bench/call_table.h"
#include "distrium/distrium.h"

namespace {

using namespace distrium;

const benchtable::Call kCalls[] = {
    {"GammaPDF", [] { return GammaPDF(2.7, 2.5, 1.5); }},
    {"GammaCDF", [] { return GammaCDF(2.7, 2.5, 1.5); }},
    {"GammaCDFInv", [] { return GammaCDFInv(0.3, 2.5, 1.5); }},
    {"ChiSquarePDF", [] { return ChiSquarePDF(8.2, 10); }},
    {"ChiSquareCDF", [] { return ChiSquareCDF(8.2, 10); }},
    {"ChiSquareCDFInv", [] { return ChiSquareCDFInv(0.95, 10); }},
    {"ExpPDF", [] { return ExpPDF(1.3, 2); }},
    {"ExpCDF", [] { return ExpCDF(1.3, 2); }},
    {"ExpCDFInv", [] { return ExpCDFInv(0.4, 2); }},
    {"NormalPDF", [] { return NormalPDF(1.3, 0.5, 2); }},
    {"NormalCDF", [] { return NormalCDF(1.3, 0.5, 2); }},
    {"NormalCDFInv", [] { return NormalCDFInv(0.975, 0.5, 2); }},
    {"LogNormalPDF", [] { return LogNormalPDF(1.3, 0.5, 2); }},
    {"LogNormalCDF", [] { return LogNormalCDF(1.3, 0.5, 2); }},
    {"LogNormalCDFInv", [] { return LogNormalCDFInv(0.975, 0.5, 2); }},
    {"CauchyPDF", [] { return CauchyPDF(1.3, 0.5, 2); }},
    {"CauchyCDF", [] { return CauchyCDF(1.3, 0.5, 2); }},
    {"CauchyCDFInv", [] { return CauchyCDFInv(0.7, 0.5, 2); }},
    {"LaplacePDF", [] { return LaplacePDF(1.3, 0.5, 2); }},
    {"LaplaceCDF", [] { return LaplaceCDF(1.3, 0.5, 2); }},
    {"LaplaceCDFInv", [] { return LaplaceCDFInv(0.7, 0.5, 2); }},
    {"LogisticPDF", [] { return LogisticPDF(1.3, 0.5, 2); }},
    {"LogisticCDF", [] { return LogisticCDF(1.3, 0.5, 2); }},
    {"LogisticCDFInv", [] { return LogisticCDFInv(0.7, 0.5, 2); }},
    {"LogWeibullPDF", [] { return LogWeibullPDF(1.3, 0.5, 2); }},
    {"LogWeibullCDF", [] { return LogWeibullCDF(1.3, 0.5, 2); }},
    {"LogWeibullCDFInv", [] { return LogWeibullCDFInv(0.7, 0.5, 2); }},
    {"ParetoPDF", [] { return ParetoPDF(3.1, 2.5, 1.5); }},
    {"ParetoCDF", [] { return ParetoCDF(3.1, 2.5, 1.5); }},
    {"ParetoCDFInv", [] { return ParetoCDFInv(0.7, 2.5, 1.5); }},
    {"RayleighPDF", [] { return RayleighPDF(1.3, 2); }},
    {"RayleighCDF", [] { return RayleighCDF(1.3, 2); }},
    {"RayleighCDFInv", [] { return RayleighCDFInv(0.7, 2); }},
    {"TriangularPDF", [] { return TriangularPDF(1.3, 0, 4, 1); }},
    {"TriangularCDF", [] { return TriangularCDF(1.3, 0, 4, 1); }},
    {"TriangularCDFInv", [] { return TriangularCDFInv(0.7, 0, 4, 1); }},
    {"UniformPDF", [] { return UniformPDF(1.3, 0, 4); }},
    {"UniformCDF", [] { return UniformCDF(1.3, 0, 4); }},
    {"UniformCDFInv", [] { return UniformCDFInv(0.7, 0, 4); }},
    {"WeibullPDF", [] { return WeibullPDF(1.3, 0.5, 1.5); }},
    {"WeibullCDF", [] { return WeibullCDF(1.3, 0.5, 1.5); }},
    {"WeibullCDFInv", [] { return WeibullCDFInv(0.7, 0.5, 1.5); }},
    {"MaxwellPDF", [] { return MaxwellPDF(1.3, 2); }},
    {"MaxwellCDF", [] { return MaxwellCDF(1.3, 2); }},
    {"MaxwellCDFInv", [] { return MaxwellCDFInv(0.7, 2); }},
    {"BoseEinsteinPDF", [] { return BoseEinsteinPDF(1.3, 0.5, 2); }},
    {"FermiDiracPDF", [] { return FermiDiracPDF(1.3, 0.5, 2); }},
};

[[maybe_unused]] const bool kRegistered = benchtable::Register(kCalls);

}  // namespace
