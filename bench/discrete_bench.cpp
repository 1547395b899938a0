// Cost of the beta, Student and F distributions and of the six discrete
// ones: each function at a typical point, and the walks and sums over large
// supports (Poisson quantiles at means of a thousand to a billion,
// binomial and hypergeometric supports near the 32-bit limit).
#include <cstdint>

#include "bench/call_table.h"
#include "distrium/distrium.h"

namespace {

using namespace distrium;

constexpr std::int32_t kHalf = INT32_MAX / 2;

const benchtable::Call kCalls[] = {
    {"BetaPDF", [] { return BetaPDF(0.3, 2.5, 4); }},
    {"BetaCDF", [] { return BetaCDF(0.3, 2.5, 4); }},
    {"BetaCDFInv", [] { return BetaCDFInv(0.3, 2.5, 4); }},
    {"BetaCDFInv/a=b=500", [] { return BetaCDFInv(0.9, 500, 500); }},
    {"StudentPDF", [] { return StudentPDF(1.3, 7); }},
    {"StudentCDF", [] { return StudentCDF(1.3, 7); }},
    {"StudentCDFInv", [] { return StudentCDFInv(0.975, 7); }},
    {"StudentCDFInv/nu=2.5", [] { return StudentCDFInv(0.9, 2.5); }},
    {"FPDF", [] { return FPDF(1.3, 5, 10); }},
    {"FPDF/nu=2000", [] { return FPDF(1.02, 2000, 2000); }},
    {"FCDF", [] { return FCDF(1.3, 5, 10); }},
    {"FCDFInv", [] { return FCDFInv(0.95, 5, 10); }},
    {"BinomPDF", [] { return BinomPDF(7, 20, 0.3); }},
    {"BinomPDF/n=1e6", [] { return BinomPDF(500000, 1000000, 0.5); }},
    {"BinomCDF", [] { return BinomCDF(7, 20, 0.3); }},
    {"BinomCDFInv", [] { return BinomCDFInv(0.7, 20, 0.3); }},
    {"BinomCDFInv/n=1e6", [] { return BinomCDFInv(0.7, 1000000, 0.3); }},
    {"BinomCDFInv/n=INT32_MAX", [] { return BinomCDFInv(0.7, INT32_MAX, 0.3); }},
    {"NegBinomPDF", [] { return NegBinomPDF(7, 5, 0.4); }},
    {"NegBinomCDF", [] { return NegBinomCDF(7, 5, 0.4); }},
    {"NegBinomCDFInv", [] { return NegBinomCDFInv(0.7, 5, 0.4); }},
    {"NegBinomCDFInv/R=INT32_MAX", [] { return NegBinomCDFInv(0.7, INT32_MAX, 0.5); }},
    {"PoissonPDF", [] { return PoissonPDF(7, 5.5); }},
    {"PoissonPDF/lambda=1e3", [] { return PoissonPDF(1000, 1000); }},
    {"PoissonCDF", [] { return PoissonCDF(7, 5.5); }},
    {"PoissonCDF/non-whole", [] { return PoissonCDF(7.5, 5.5); }},
    {"PoissonCDF/non-whole,lambda=1e6", [] { return PoissonCDF(1000000.5, 1e6); }},
    {"PoissonCDFInv", [] { return PoissonCDFInv(0.7, 5.5); }},
    {"PoissonCDFInv/lambda=1e3", [] { return PoissonCDFInv(0.7, 1e3); }},
    {"PoissonCDFInv/lambda=1e6", [] { return PoissonCDFInv(0.7, 1e6); }},
    {"PoissonCDFInv/lambda=1e9", [] { return PoissonCDFInv(0.7, 1e9); }},
    {"GeometricPDF", [] { return GeometricPDF(7, 0.2); }},
    {"GeometricCDF", [] { return GeometricCDF(7, 0.2); }},
    {"GeometricCDFInv", [] { return GeometricCDFInv(0.7, 0.2); }},
    {"HypGeometricPDF", [] { return HypGeometricPDF(4, 50, 20, 10); }},
    {"HypGeometricCDF", [] { return HypGeometricCDF(4, 50, 20, 10); }},
    {"HypGeometricCDFInv", [] { return HypGeometricCDFInv(0.7, 50, 20, 10); }},
    {"HypGeometricCDFInv/M=INT32_MAX",
     [] { return HypGeometricCDFInv(0.7, INT32_MAX, kHalf, kHalf); }},
    {"UniformDPDF", [] { return UniformDPDF(3, 10); }},
    {"UniformDCDF", [] { return UniformDCDF(3.5, 10); }},
    {"UniformDCDFInv", [] { return UniformDCDFInv(0.7, 10); }},
};

[[maybe_unused]] const bool kRegistered = benchtable::Register(kCalls);

}  // namespace
