// Interim upper tails by complement, so that the layers above can be built
// against the final interface; each family replaces its pair with a direct
// computation and removes it from here. This file goes once it is empty.
#include "distrium/distrium.h"

namespace distrium {

double BinomCCDF(double x, std::int32_t n, double p) { return 1 - BinomCDF(x, n, p); }
double BinomCCDFInv(double prob, std::int32_t n, double p) { return BinomCDFInv(1 - prob, n, p); }
double NegBinomCCDF(double x, std::int32_t R, double p) { return 1 - NegBinomCDF(x, R, p); }
double NegBinomCCDFInv(double prob, std::int32_t R, double p) { return NegBinomCDFInv(1 - prob, R, p); }
double PoissonCCDF(double x, double lambda) { return 1 - PoissonCDF(x, lambda); }
double PoissonCCDFInv(double p, double lambda) { return PoissonCDFInv(1 - p, lambda); }
double GeometricCCDF(double x, double p) { return 1 - GeometricCDF(x, p); }
double GeometricCCDFInv(double prob, double p) { return GeometricCDFInv(1 - prob, p); }
double HypGeometricCCDF(double x, std::int32_t M, std::int32_t K, std::int32_t N) { return 1 - HypGeometricCDF(x, M, K, N); }
double HypGeometricCCDFInv(double p, std::int32_t M, std::int32_t K, std::int32_t N) { return HypGeometricCDFInv(1 - p, M, K, N); }
double UniformDCCDF(double x, std::int32_t N) { return 1 - UniformDCDF(x, N); }
double UniformDCCDFInv(double p, std::int32_t N) { return UniformDCDFInv(1 - p, N); }

}  // namespace distrium
