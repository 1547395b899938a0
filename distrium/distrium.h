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
//  - NaN in any argument gives NaN; so does a parameter outside the law's
//    range below and, for an inverse, p outside [0, 1];
//  - p = 0 and p = 1 give the ends of the support (possibly infinite);
//  - every inverse answers for valid parameters and 0 <= p <= 1: the
//    iterations are bracketed and bounded, and none raises. The only
//    exception of the library is ErfInv's numkern::EOrlenException
//    ("abs(y) > 0") for |Y| > 1.
// The functions compute in extended precision (long double) and round to
// double where they keep a value ("stored"); results are good to a few
// units in the last place wherever the true value is a normal double.
#pragma once

#include <cstdint>

namespace distrium {

// ---- Incomplete gamma function ----------------------------------------------
// P(A, X) and Q(A, X) = 1 - P(A, X), the regularised lower and upper
// incomplete gamma functions, each computed directly (never as 1 - the
// other). A > 0, X >= 0; otherwise NaN.
double GammaP(double A, double X);
double GammaQ(double A, double X);

// ---- Beta function, incomplete beta function, binomial coefficient ----------
// BetaFn(A, B) = Gamma(A) Gamma(B) / Gamma(A + B). BetaI(X, A, B) = I_X(A, B),
// the regularised incomplete beta function for 0 <= X <= 1 and A, B > 0;
// BetaIContFrac is its continued fraction alone. Binomial(N, K) = C(N, K),
// 0 for K < 0 or K > N.
double BetaFn(double A, double B);
double BetaI(double X, double A, double B);
double BetaIContFrac(double A, double B, double X);
double Binomial(std::int32_t N, std::int32_t K);

// ---- Error function and its inverse -----------------------------------------
// Erf(X) for every X; ErfInv(Y) for -1 <= Y <= 1 (+-Inf at +-1), raising
// "abs(y) > 0" beyond.
double Erf(double X);
double ErfInv(double Y);

// ---- Gamma, chi-square, exponential -----------------------------------------
// Gamma: shape a > 0, scale b > 0 (mean a b), support x >= 0; density and
// CDF are 0 below 0. Chi-square: nu >= 1 degrees of freedom, the gamma with
// shape nu/2 and scale 2. Exponential: lambda > 0 is the SCALE (the mean),
// not a rate: CDF 1 - e^(-x/lambda).
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
// Beta: shapes a, b > 0 on [0, 1]. Student's t: nu > 0 degrees of freedom
// (real, not rounded), all x. F: nu1, nu2 >= 1 degrees of freedom, support
// x >= 0.
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
// Binomial: n >= 1 trials, success probability 0 <= p <= 1, support 0..n.
// Negative binomial: failures before the R-th success, R >= 1, 0 <= p <= 1.
// Poisson: mean lambda > 0. Geometric: failures before the first success,
// 0 < p <= 1. Hypergeometric: population M, K successes in it, N draws
// (0 <= K <= M, 0 <= N <= M), support max(0, N+K-M)..min(N, K). Discrete
// uniform: 1..N, N >= 1.
// Points: a point within a few ulps of a whole number is that whole
// number; any other non-integer point has mass 0 (PoissonPDF takes a whole
// point); a CDF at a non-integer x is P(X <= floor(x)). Outside the support
// a mass is 0 and a CDF 0 below and 1 above. An inverse is the smallest
// whole k with CDF(k) >= p, returned as a double.
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
// Cauchy, Laplace, logistic: location m (any real), scale b > 0. Log-Weibull
// (Gumbel of maxima): location a, scale b != 0 (b < 0 mirrors it). Pareto:
// shape a > 0, lower end b > 0, density 0 below b. Rayleigh: scale b > 0.
// Triangular: ends a < b, mode a <= c <= b. Uniform: ends a < b. Weibull:
// density a b x^(b-1) e^(-a x^b), a > 0 a factor of the exponent (not a
// scale), b > 0 the shape.
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
// Maxwell: scale a > 0, support x >= 0. Bose-Einstein x^s / (e^(x-mu) - 1)
// and Fermi-Dirac x^s / (e^(x-mu) + 1) are unnormalised densities without a
// CDF; they test nothing and let IEEE arithmetic decide.
double MaxwellPDF(double x, double a);
double MaxwellCDF(double x, double a);
double MaxwellCDFInv(double p, double a);
double MaxwellCCDF(double x, double a);
double MaxwellCCDFInv(double p, double a);
double BoseEinsteinPDF(double x, double mu, double s);
double FermiDiracPDF(double x, double mu, double s);

// ---- Normal and log-normal --------------------------------------------------
// Normal: mean mu, standard deviation sigma > 0. Log-normal: exp of a
// normal with those parameters, support x > 0.
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
