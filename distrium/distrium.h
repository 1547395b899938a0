// Special functions and the distribution library: a PDF, a CDF and an
// inverse CDF for each of the 26 distributions (74 functions, Bose-Einstein
// and Fermi-Dirac have a PDF only).
//
// Conventions of the whole library:
//  - the first argument is the point x, or the probability of an inverse;
//    the parameters follow in catalogue order;
//  - integer parameters are 32-bit; the library never rounds them itself;
//  - a bad argument returns numkern::NaN, never an exception;
//  - <Dist>CCDF is the upper tail P(X > x), computed directly rather than as
//    1 - CDF, and <Dist>CCDFInv(p) the x with P(X > x) = p (for a discrete
//    law the smallest whole k with P(X > k) <= p);
//  - only the Newton inverses (BetaCDFInv, GammaCDFInv) and the inverses
//    built on them raise numkern::EOrlenException("Failed to converge!").
#pragma once

#include <cstdint>

namespace distrium {

// ---- Incomplete gamma function ----------------------------------------------
double GammaP(double A, double X);
double GammaQ(double A, double X);

// ---- Beta function, incomplete beta function, binomial coefficient ----------
double BetaFn(double A, double B);
double BetaI(double X, double A, double B);
double BetaIContFrac(double A, double B, double X);
double Binomial(std::int32_t N, std::int32_t K);

// ---- Error function and its inverse -----------------------------------------
double Erf(double X);
double ErfInv(double Y);

// ---- Gamma, chi-square, exponential -----------------------------------------
double GammaPDF(double x, double a, double b);
double GammaCDF(double x, double a, double b);
double GammaCDFInv(double p, double a, double b);
double GammaCCDF(double x, double a, double b);
double GammaCCDFInv(double p, double a, double b);
double ChiSquarePDF(double x, std::int32_t nu);
double ChiSquareCDF(double x, std::int32_t nu);
double ChiSquareCDFInv(double p, std::int32_t nu);
double ChiSquareCCDF(double x, std::int32_t nu);
double ChiSquareCCDFInv(double p, std::int32_t nu);
double ExpPDF(double x, double lambda);
double ExpCDF(double x, double lambda);
double ExpCDFInv(double p, double lambda);
double ExpCCDF(double x, double lambda);
double ExpCCDFInv(double p, double lambda);

// ---- Beta, Student's t, F ---------------------------------------------------
double BetaPDF(double x, double a, double b);
double BetaCDF(double x, double a, double b);
double BetaCDFInv(double p, double a, double b);
double BetaCCDF(double x, double a, double b);
double BetaCCDFInv(double p, double a, double b);
double StudentPDF(double x, double nu);
double StudentCDF(double x, double nu);
double StudentCDFInv(double p, double nu);
double StudentCCDF(double x, double nu);
double StudentCCDFInv(double p, double nu);
double FPDF(double x, std::int32_t nu1, std::int32_t nu2);
double FCDF(double x, std::int32_t nu1, std::int32_t nu2);
double FCDFInv(double p, std::int32_t nu1, std::int32_t nu2);
double FCCDF(double x, std::int32_t nu1, std::int32_t nu2);
double FCCDFInv(double p, std::int32_t nu1, std::int32_t nu2);

// ---- Discrete distributions -------------------------------------------------
double BinomPDF(double x, std::int32_t n, double p);
double BinomCDF(double x, std::int32_t n, double p);
double BinomCDFInv(double prob, std::int32_t n, double p);
double BinomCCDF(double x, std::int32_t n, double p);
double BinomCCDFInv(double prob, std::int32_t n, double p);
double NegBinomPDF(double x, std::int32_t R, double p);
double NegBinomCDF(double x, std::int32_t R, double p);
double NegBinomCDFInv(double prob, std::int32_t R, double p);
double NegBinomCCDF(double x, std::int32_t R, double p);
double NegBinomCCDFInv(double prob, std::int32_t R, double p);
double PoissonPDF(std::int32_t x, double lambda);
double PoissonCDF(double x, double lambda);
double PoissonCDFInv(double p, double lambda);
double PoissonCCDF(double x, double lambda);
double PoissonCCDFInv(double p, double lambda);
double GeometricPDF(double x, double p);
double GeometricCDF(double x, double p);
double GeometricCDFInv(double prob, double p);
double GeometricCCDF(double x, double p);
double GeometricCCDFInv(double prob, double p);
double HypGeometricPDF(double x, std::int32_t M, std::int32_t K, std::int32_t N);
double HypGeometricCDF(double x, std::int32_t M, std::int32_t K, std::int32_t N);
double HypGeometricCDFInv(double p, std::int32_t M, std::int32_t K, std::int32_t N);
double HypGeometricCCDF(double x, std::int32_t M, std::int32_t K, std::int32_t N);
double HypGeometricCCDFInv(double p, std::int32_t M, std::int32_t K, std::int32_t N);
double UniformDPDF(double x, std::int32_t N);
double UniformDCDF(double x, std::int32_t N);
double UniformDCDFInv(double p, std::int32_t N);
double UniformDCCDF(double x, std::int32_t N);
double UniformDCCDFInv(double p, std::int32_t N);

// ---- Closed-form continuous distributions ------------------------------------
double CauchyPDF(double x, double m, double b);
double CauchyCDF(double x, double m, double b);
double CauchyCDFInv(double p, double m, double b);
double CauchyCCDF(double x, double m, double b);
double CauchyCCDFInv(double p, double m, double b);
double LaplacePDF(double x, double m, double b);
double LaplaceCDF(double x, double m, double b);
double LaplaceCDFInv(double p, double m, double b);
double LaplaceCCDF(double x, double m, double b);
double LaplaceCCDFInv(double p, double m, double b);
double LogisticPDF(double x, double m, double b);
double LogisticCDF(double x, double m, double b);
double LogisticCDFInv(double p, double m, double b);
double LogisticCCDF(double x, double m, double b);
double LogisticCCDFInv(double p, double m, double b);
double LogWeibullPDF(double x, double a, double b);
double LogWeibullCDF(double x, double a, double b);
double LogWeibullCDFInv(double p, double a, double b);
double LogWeibullCCDF(double x, double a, double b);
double LogWeibullCCDFInv(double p, double a, double b);
double ParetoPDF(double x, double a, double b);
double ParetoCDF(double x, double a, double b);
double ParetoCDFInv(double p, double a, double b);
double ParetoCCDF(double x, double a, double b);
double ParetoCCDFInv(double p, double a, double b);
double RayleighPDF(double x, double b);
double RayleighCDF(double x, double b);
double RayleighCDFInv(double p, double b);
double RayleighCCDF(double x, double b);
double RayleighCCDFInv(double p, double b);
double TriangularPDF(double x, double a, double b, double c);
double TriangularCDF(double x, double a, double b, double c);
double TriangularCDFInv(double p, double a, double b, double c);
double TriangularCCDF(double x, double a, double b, double c);
double TriangularCCDFInv(double p, double a, double b, double c);
double UniformPDF(double x, double a, double b);
double UniformCDF(double x, double a, double b);
double UniformCDFInv(double p, double a, double b);
double UniformCCDF(double x, double a, double b);
double UniformCCDFInv(double p, double a, double b);
double WeibullPDF(double x, double a, double b);
double WeibullCDF(double x, double a, double b);
double WeibullCDFInv(double p, double a, double b);
double WeibullCCDF(double x, double a, double b);
double WeibullCCDFInv(double p, double a, double b);

// ---- Maxwell, Bose-Einstein, Fermi-Dirac ------------------------------------
double MaxwellPDF(double x, double a);
double MaxwellCDF(double x, double a);
double MaxwellCDFInv(double p, double a);
double MaxwellCCDF(double x, double a);
double MaxwellCCDFInv(double p, double a);
double BoseEinsteinPDF(double x, double mu, double s);
double FermiDiracPDF(double x, double mu, double s);

// ---- Normal and log-normal --------------------------------------------------
double NormalPDF(double x, double mu, double sigma);
double NormalCDF(double x, double mu, double sigma);
double NormalCDFInv(double p, double mu, double sigma);
double NormalCCDF(double x, double mu, double sigma);
double NormalCCDFInv(double p, double mu, double sigma);
double LogNormalPDF(double x, double mu, double sigma);
double LogNormalCDF(double x, double mu, double sigma);
double LogNormalCDFInv(double p, double mu, double sigma);
double LogNormalCCDF(double x, double mu, double sigma);
double LogNormalCCDFInv(double p, double mu, double sigma);

}  // namespace distrium
