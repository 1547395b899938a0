// PDF, CDF, ICDF, the upper tail and its inverse of the model: pick the
// library function by type, read the parameters afresh, round the integer
// ones (AsInteger, halves to even) and return the library's double.
// Poisson's point is rounded for the mass only; Student's nu is passed
// unrounded. Bose-Einstein and Fermi-Dirac have a density only. Exceptions
// of the library pass through.
#include "distrium/distrium.h"
#include "model/prob_distribution.h"
#include "numkern/numkern.h"

namespace model {

namespace {

using namespace distrium;
using T = TDistType;

// v(i) and r(i) of the current parameter list.
struct TArgs {
    const TProbParameters& P;
    double v(std::int32_t i) const { return P.Items(i).Value(); }
    std::int32_t r(std::int32_t i) const { return P.Items(i).AsInteger(); }
};

}  // namespace

double TProbDistribution::PDF() const {
    const TArgs a{FDistParams};
    switch (FDistType) {
        case T::distBETA: return BetaPDF(a.v(0), a.v(1), a.v(2));
        case T::distBINOM: return BinomPDF(a.v(0), a.r(1), a.v(2));
        case T::distBOSEEINSTEIN: return BoseEinsteinPDF(a.v(0), a.v(1), a.v(2));
        case T::distCAUCHY: return CauchyPDF(a.v(0), a.v(1), a.v(2));
        case T::distCHISQUARE: return ChiSquarePDF(a.v(0), a.r(1));
        case T::distEXP: return ExpPDF(a.v(0), a.v(1));
        case T::distF: return FPDF(a.v(0), a.r(1), a.r(2));
        case T::distFERMIDIRAC: return FermiDiracPDF(a.v(0), a.v(1), a.v(2));
        case T::distGAMMA: return GammaPDF(a.v(0), a.v(1), a.v(2));
        case T::distGEOMETRIC: return GeometricPDF(a.v(0), a.v(1));
        case T::distHYPGEOMETRIC: return HypGeometricPDF(a.v(0), a.r(1), a.r(2), a.r(3));
        case T::distLAPLACE: return LaplacePDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGISTIC: return LogisticPDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGNORMAL: return LogNormalPDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGWEIBULL: return LogWeibullPDF(a.v(0), a.v(1), a.v(2));
        case T::distMAXWELL: return MaxwellPDF(a.v(0), a.v(1));
        case T::distNEGBINOM: return NegBinomPDF(a.v(0), a.r(1), a.v(2));
        case T::distNORMAL: return NormalPDF(a.v(0), a.v(1), a.v(2));
        case T::distPARETO: return ParetoPDF(a.v(0), a.v(1), a.v(2));
        case T::distPOISSON: return PoissonPDF(a.r(0), a.v(1));
        case T::distRAYLEIGH: return RayleighPDF(a.v(0), a.v(1));
        case T::distSTUDENT: return StudentPDF(a.v(0), a.v(1));
        case T::distTRIANGULAR: return TriangularPDF(a.v(0), a.v(1), a.v(2), a.v(3));
        case T::distUNIFORM: return UniformPDF(a.v(0), a.v(1), a.v(2));
        case T::distUNIFORMD: return UniformDPDF(a.v(0), a.r(1));
        case T::distWEIBULL: return WeibullPDF(a.v(0), a.v(1), a.v(2));
    }
    return numkern::NaN;
}

double TProbDistribution::CDF() const {
    const TArgs a{FDistParams};
    switch (FDistType) {
        case T::distBETA: return BetaCDF(a.v(0), a.v(1), a.v(2));
        case T::distBINOM: return BinomCDF(a.v(0), a.r(1), a.v(2));
        case T::distCAUCHY: return CauchyCDF(a.v(0), a.v(1), a.v(2));
        case T::distCHISQUARE: return ChiSquareCDF(a.v(0), a.r(1));
        case T::distEXP: return ExpCDF(a.v(0), a.v(1));
        case T::distF: return FCDF(a.v(0), a.r(1), a.r(2));
        case T::distGAMMA: return GammaCDF(a.v(0), a.v(1), a.v(2));
        case T::distGEOMETRIC: return GeometricCDF(a.v(0), a.v(1));
        case T::distHYPGEOMETRIC: return HypGeometricCDF(a.v(0), a.r(1), a.r(2), a.r(3));
        case T::distLAPLACE: return LaplaceCDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGISTIC: return LogisticCDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGNORMAL: return LogNormalCDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGWEIBULL: return LogWeibullCDF(a.v(0), a.v(1), a.v(2));
        case T::distMAXWELL: return MaxwellCDF(a.v(0), a.v(1));
        case T::distNEGBINOM: return NegBinomCDF(a.v(0), a.r(1), a.v(2));
        case T::distNORMAL: return NormalCDF(a.v(0), a.v(1), a.v(2));
        case T::distPARETO: return ParetoCDF(a.v(0), a.v(1), a.v(2));
        case T::distPOISSON: return PoissonCDF(a.v(0), a.v(1));
        case T::distRAYLEIGH: return RayleighCDF(a.v(0), a.v(1));
        case T::distSTUDENT: return StudentCDF(a.v(0), a.v(1));
        case T::distTRIANGULAR: return TriangularCDF(a.v(0), a.v(1), a.v(2), a.v(3));
        case T::distUNIFORM: return UniformCDF(a.v(0), a.v(1), a.v(2));
        case T::distUNIFORMD: return UniformDCDF(a.v(0), a.r(1));
        case T::distWEIBULL: return WeibullCDF(a.v(0), a.v(1), a.v(2));
        case T::distBOSEEINSTEIN:
        case T::distFERMIDIRAC: break;
    }
    return numkern::NaN;
}

double TProbDistribution::ICDF(double P) const {
    const TArgs a{FDistParams};
    switch (FDistType) {
        case T::distBETA: return BetaCDFInv(P, a.v(1), a.v(2));
        case T::distBINOM: return BinomCDFInv(P, a.r(1), a.v(2));
        case T::distCAUCHY: return CauchyCDFInv(P, a.v(1), a.v(2));
        case T::distCHISQUARE: return ChiSquareCDFInv(P, a.r(1));
        case T::distEXP: return ExpCDFInv(P, a.v(1));
        case T::distF: return FCDFInv(P, a.r(1), a.r(2));
        case T::distGAMMA: return GammaCDFInv(P, a.v(1), a.v(2));
        case T::distGEOMETRIC: return GeometricCDFInv(P, a.v(1));
        case T::distHYPGEOMETRIC: return HypGeometricCDFInv(P, a.r(1), a.r(2), a.r(3));
        case T::distLAPLACE: return LaplaceCDFInv(P, a.v(1), a.v(2));
        case T::distLOGISTIC: return LogisticCDFInv(P, a.v(1), a.v(2));
        case T::distLOGNORMAL: return LogNormalCDFInv(P, a.v(1), a.v(2));
        case T::distLOGWEIBULL: return LogWeibullCDFInv(P, a.v(1), a.v(2));
        case T::distMAXWELL: return MaxwellCDFInv(P, a.v(1));
        case T::distNEGBINOM: return NegBinomCDFInv(P, a.r(1), a.v(2));
        case T::distNORMAL: return NormalCDFInv(P, a.v(1), a.v(2));
        case T::distPARETO: return ParetoCDFInv(P, a.v(1), a.v(2));
        case T::distPOISSON: return PoissonCDFInv(P, a.v(1));
        case T::distRAYLEIGH: return RayleighCDFInv(P, a.v(1));
        case T::distSTUDENT: return StudentCDFInv(P, a.v(1));
        case T::distTRIANGULAR: return TriangularCDFInv(P, a.v(1), a.v(2), a.v(3));
        case T::distUNIFORM: return UniformCDFInv(P, a.v(1), a.v(2));
        case T::distUNIFORMD: return UniformDCDFInv(P, a.r(1));
        case T::distWEIBULL: return WeibullCDFInv(P, a.v(1), a.v(2));
        case T::distBOSEEINSTEIN:
        case T::distFERMIDIRAC: break;
    }
    return numkern::NaN;
}

double TProbDistribution::CCDF() const {
    const TArgs a{FDistParams};
    switch (FDistType) {
        case T::distBETA: return BetaCCDF(a.v(0), a.v(1), a.v(2));
        case T::distBINOM: return BinomCCDF(a.v(0), a.r(1), a.v(2));
        case T::distCAUCHY: return CauchyCCDF(a.v(0), a.v(1), a.v(2));
        case T::distCHISQUARE: return ChiSquareCCDF(a.v(0), a.r(1));
        case T::distEXP: return ExpCCDF(a.v(0), a.v(1));
        case T::distF: return FCCDF(a.v(0), a.r(1), a.r(2));
        case T::distGAMMA: return GammaCCDF(a.v(0), a.v(1), a.v(2));
        case T::distGEOMETRIC: return GeometricCCDF(a.v(0), a.v(1));
        case T::distHYPGEOMETRIC: return HypGeometricCCDF(a.v(0), a.r(1), a.r(2), a.r(3));
        case T::distLAPLACE: return LaplaceCCDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGISTIC: return LogisticCCDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGNORMAL: return LogNormalCCDF(a.v(0), a.v(1), a.v(2));
        case T::distLOGWEIBULL: return LogWeibullCCDF(a.v(0), a.v(1), a.v(2));
        case T::distMAXWELL: return MaxwellCCDF(a.v(0), a.v(1));
        case T::distNEGBINOM: return NegBinomCCDF(a.v(0), a.r(1), a.v(2));
        case T::distNORMAL: return NormalCCDF(a.v(0), a.v(1), a.v(2));
        case T::distPARETO: return ParetoCCDF(a.v(0), a.v(1), a.v(2));
        case T::distPOISSON: return PoissonCCDF(a.v(0), a.v(1));
        case T::distRAYLEIGH: return RayleighCCDF(a.v(0), a.v(1));
        case T::distSTUDENT: return StudentCCDF(a.v(0), a.v(1));
        case T::distTRIANGULAR: return TriangularCCDF(a.v(0), a.v(1), a.v(2), a.v(3));
        case T::distUNIFORM: return UniformCCDF(a.v(0), a.v(1), a.v(2));
        case T::distUNIFORMD: return UniformDCCDF(a.v(0), a.r(1));
        case T::distWEIBULL: return WeibullCCDF(a.v(0), a.v(1), a.v(2));
        case T::distBOSEEINSTEIN:
        case T::distFERMIDIRAC: break;
    }
    return numkern::NaN;
}

double TProbDistribution::ICCDF(double P) const {
    const TArgs a{FDistParams};
    switch (FDistType) {
        case T::distBETA: return BetaCCDFInv(P, a.v(1), a.v(2));
        case T::distBINOM: return BinomCCDFInv(P, a.r(1), a.v(2));
        case T::distCAUCHY: return CauchyCCDFInv(P, a.v(1), a.v(2));
        case T::distCHISQUARE: return ChiSquareCCDFInv(P, a.r(1));
        case T::distEXP: return ExpCCDFInv(P, a.v(1));
        case T::distF: return FCCDFInv(P, a.r(1), a.r(2));
        case T::distGAMMA: return GammaCCDFInv(P, a.v(1), a.v(2));
        case T::distGEOMETRIC: return GeometricCCDFInv(P, a.v(1));
        case T::distHYPGEOMETRIC: return HypGeometricCCDFInv(P, a.r(1), a.r(2), a.r(3));
        case T::distLAPLACE: return LaplaceCCDFInv(P, a.v(1), a.v(2));
        case T::distLOGISTIC: return LogisticCCDFInv(P, a.v(1), a.v(2));
        case T::distLOGNORMAL: return LogNormalCCDFInv(P, a.v(1), a.v(2));
        case T::distLOGWEIBULL: return LogWeibullCCDFInv(P, a.v(1), a.v(2));
        case T::distMAXWELL: return MaxwellCCDFInv(P, a.v(1));
        case T::distNEGBINOM: return NegBinomCCDFInv(P, a.r(1), a.v(2));
        case T::distNORMAL: return NormalCCDFInv(P, a.v(1), a.v(2));
        case T::distPARETO: return ParetoCCDFInv(P, a.v(1), a.v(2));
        case T::distPOISSON: return PoissonCCDFInv(P, a.v(1));
        case T::distRAYLEIGH: return RayleighCCDFInv(P, a.v(1));
        case T::distSTUDENT: return StudentCCDFInv(P, a.v(1));
        case T::distTRIANGULAR: return TriangularCCDFInv(P, a.v(1), a.v(2), a.v(3));
        case T::distUNIFORM: return UniformCCDFInv(P, a.v(1), a.v(2));
        case T::distUNIFORMD: return UniformDCCDFInv(P, a.r(1));
        case T::distWEIBULL: return WeibullCCDFInv(P, a.v(1), a.v(2));
        case T::distBOSEEINSTEIN:
        case T::distFERMIDIRAC: break;
    }
    return numkern::NaN;
}

}  // namespace model
