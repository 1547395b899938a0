// The six discrete laws against R's d, p and q functions: typical points,
// upper tails, and the quantiles at sizes where a walk over the masses
// would cost time in proportion to the answer.
#include <cstdint>

#include "bench/vs_r/vs_r.h"
#include "distrium/distrium.h"

namespace {

using namespace distrium;

constexpr std::int32_t kMax = INT32_MAX;

const bool kRows = vsr::Add({
    {"BinomPDF(7, 20, 0.3)", "dbinom(X, 20, 0.3)", 7, [] { return BinomPDF(7, 20, 0.3); }},
    {"BinomPDF(500000, 1e6, 0.5)", "dbinom(X, 1e6, 0.5)", 500000,
     [] { return BinomPDF(500000, 1000000, 0.5); }},
    {"BinomCDF(7, 20, 0.3)", "pbinom(X, 20, 0.3)", 7, [] { return BinomCDF(7, 20, 0.3); }},
    {"BinomCDF(299000, 1e6, 0.3)", "pbinom(X, 1e6, 0.3)", 299000,
     [] { return BinomCDF(299000, 1000000, 0.3); }},
    {"BinomCCDF(15, 20, 0.3)", "pbinom(X, 20, 0.3, lower.tail = FALSE)", 15,
     [] { return BinomCCDF(15, 20, 0.3); }},
    {"BinomCDFInv(0.7, 20, 0.3)", "qbinom(X, 20, 0.3)", 0.7,
     [] { return BinomCDFInv(0.7, 20, 0.3); }},
    {"BinomCDFInv(0.7, 1e6, 0.3)", "qbinom(X, 1e6, 0.3)", 0.7,
     [] { return BinomCDFInv(0.7, 1000000, 0.3); }},
    {"BinomCDFInv(0.7, 2^31-1, 0.3)", "qbinom(X, 2147483647, 0.3)", 0.7,
     [] { return BinomCDFInv(0.7, kMax, 0.3); }},
    {"BinomCCDFInv(1e-10, 1e6, 0.3)", "qbinom(X, 1e6, 0.3, lower.tail = FALSE)", 1e-10,
     [] { return BinomCCDFInv(1e-10, 1000000, 0.3); }},

    {"NegBinomPDF(7, 5, 0.4)", "dnbinom(X, 5, 0.4)", 7, [] { return NegBinomPDF(7, 5, 0.4); }},
    {"NegBinomPDF(1e8, 1e5, 0.001)", "dnbinom(X, 1e5, 0.001)", 1e8,
     [] { return NegBinomPDF(1e8, 100000, 0.001); }},
    {"NegBinomCDF(7, 5, 0.4)", "pnbinom(X, 5, 0.4)", 7, [] { return NegBinomCDF(7, 5, 0.4); }},
    {"NegBinomCCDF(30, 5, 0.4)", "pnbinom(X, 5, 0.4, lower.tail = FALSE)", 30,
     [] { return NegBinomCCDF(30, 5, 0.4); }},
    {"NegBinomCDFInv(0.7, 5, 0.4)", "qnbinom(X, 5, 0.4)", 0.7,
     [] { return NegBinomCDFInv(0.7, 5, 0.4); }},
    {"NegBinomCDFInv(0.5, 1e5, 0.001)", "qnbinom(X, 1e5, 0.001)", 0.5,
     [] { return NegBinomCDFInv(0.5, 100000, 0.001); }},
    {"NegBinomCDFInv(0.7, 2^31-1, 0.5)", "qnbinom(X, 2147483647, 0.5)", 0.7,
     [] { return NegBinomCDFInv(0.7, kMax, 0.5); }},
    {"NegBinomCCDFInv(1e-10, 5, 0.4)", "qnbinom(X, 5, 0.4, lower.tail = FALSE)", 1e-10,
     [] { return NegBinomCCDFInv(1e-10, 5, 0.4); }},

    {"PoissonPDF(7, 5.5)", "dpois(X, 5.5)", 7, [] { return PoissonPDF(7, 5.5); }},
    {"PoissonPDF(1000, 1000)", "dpois(X, 1000)", 1000, [] { return PoissonPDF(1000, 1000); }},
    {"PoissonCDF(7, 5.5)", "ppois(X, 5.5)", 7, [] { return PoissonCDF(7, 5.5); }},
    {"PoissonCDF(1e6, 1e6)", "ppois(X, 1e6)", 1e6, [] { return PoissonCDF(1e6, 1e6); }},
    {"PoissonCCDF(20, 5.5)", "ppois(X, 5.5, lower.tail = FALSE)", 20,
     [] { return PoissonCCDF(20, 5.5); }},
    {"PoissonCDFInv(0.7, 5.5)", "qpois(X, 5.5)", 0.7, [] { return PoissonCDFInv(0.7, 5.5); }},
    {"PoissonCDFInv(0.7, 1e3)", "qpois(X, 1e3)", 0.7, [] { return PoissonCDFInv(0.7, 1e3); }},
    {"PoissonCDFInv(0.7, 1e6)", "qpois(X, 1e6)", 0.7, [] { return PoissonCDFInv(0.7, 1e6); }},
    {"PoissonCDFInv(0.7, 1e9)", "qpois(X, 1e9)", 0.7, [] { return PoissonCDFInv(0.7, 1e9); }},
    {"PoissonCDFInv(0.7, 1e15)", "qpois(X, 1e15)", 0.7, [] { return PoissonCDFInv(0.7, 1e15); }},
    {"PoissonCCDFInv(1e-10, 1e6)", "qpois(X, 1e6, lower.tail = FALSE)", 1e-10,
     [] { return PoissonCCDFInv(1e-10, 1e6); }},

    {"GeometricPDF(7, 0.2)", "dgeom(X, 0.2)", 7, [] { return GeometricPDF(7, 0.2); }},
    {"GeometricCDF(7, 0.2)", "pgeom(X, 0.2)", 7, [] { return GeometricCDF(7, 0.2); }},
    {"GeometricCCDF(7, 0.2)", "pgeom(X, 0.2, lower.tail = FALSE)", 7,
     [] { return GeometricCCDF(7, 0.2); }},
    {"GeometricCDFInv(0.7, 0.2)", "qgeom(X, 0.2)", 0.7, [] { return GeometricCDFInv(0.7, 0.2); }},
    {"GeometricCDFInv(0.5, 1e-12)", "qgeom(X, 1e-12)", 0.5,
     [] { return GeometricCDFInv(0.5, 1e-12); }},
    {"GeometricCCDFInv(1e-10, 0.2)", "qgeom(X, 0.2, lower.tail = FALSE)", 1e-10,
     [] { return GeometricCCDFInv(1e-10, 0.2); }},

    {"HypGeometricPDF(4, 50, 20, 10)", "dhyper(X, 20, 30, 10)", 4,
     [] { return HypGeometricPDF(4, 50, 20, 10); }},
    {"HypGeometricPDF(40000, 1e6, 4e5, 1e5)", "dhyper(X, 4e5, 6e5, 1e5)", 40000,
     [] { return HypGeometricPDF(40000, 1000000, 400000, 100000); }},
    {"HypGeometricCDF(4, 50, 20, 10)", "phyper(X, 20, 30, 10)", 4,
     [] { return HypGeometricCDF(4, 50, 20, 10); }},
    {"HypGeometricCDF(40000, 1e6, 4e5, 1e5)", "phyper(X, 4e5, 6e5, 1e5)", 40000,
     [] { return HypGeometricCDF(40000, 1000000, 400000, 100000); }},
    {"HypGeometricCCDF(8, 50, 20, 10)", "phyper(X, 20, 30, 10, lower.tail = FALSE)", 8,
     [] { return HypGeometricCCDF(8, 50, 20, 10); }},
    {"HypGeometricCDFInv(0.7, 50, 20, 10)", "qhyper(X, 20, 30, 10)", 0.7,
     [] { return HypGeometricCDFInv(0.7, 50, 20, 10); }},
    {"HypGeometricCDFInv(0.7, 1e6, 4e5, 1e5)", "qhyper(X, 4e5, 6e5, 1e5)", 0.7,
     [] { return HypGeometricCDFInv(0.7, 1000000, 400000, 100000); }},
    {"HypGeometricCCDFInv(1e-10, 1e6, 4e5, 1e5)", "qhyper(X, 4e5, 6e5, 1e5, lower.tail = FALSE)",
     1e-10, [] { return HypGeometricCCDFInv(1e-10, 1000000, 400000, 100000); }},

    {"UniformDPDF(3, 10)", "(X >= 1 & X <= 10 & X == floor(X)) / 10", 3,
     [] { return UniformDPDF(3, 10); }},
    {"UniformDCDF(3.5, 10)", "pmin(pmax(floor(X), 0), 10) / 10", 3.5,
     [] { return UniformDCDF(3.5, 10); }},
    {"UniformDCCDF(3.5, 10)", "(10 - pmin(pmax(floor(X), 0), 10)) / 10", 3.5,
     [] { return UniformDCCDF(3.5, 10); }},
    {"UniformDCDFInv(0.7, 10)", "ceiling(10 * X)", 0.7, [] { return UniformDCDFInv(0.7, 10); }},
    {"UniformDCCDFInv(0.3, 10)", "10 - floor(10 * X)", 0.3,
     [] { return UniformDCCDFInv(0.3, 10); }},
});

}  // namespace
