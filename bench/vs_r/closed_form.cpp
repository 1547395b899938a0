// The closed-form laws and the physics laws against R: its own d/p/q
// functions where it has them (Cauchy, logistic, uniform, Weibull, the
// chi-square law of 3 degrees behind Maxwell), the same closed formula in
// vectorised R where it has none.
#include "bench/vs_r/vs_r.h"
#include "distrium/distrium.h"

namespace {
using namespace distrium;
const bool kRows = vsr::Add({
    {"CauchyPDF(1.3, 0.5, 2)", "dcauchy(X, 0.5, 2)", 1.3, [] { return CauchyPDF(1.3, 0.5, 2); }},
    {"CauchyCDF(1.3, 0.5, 2)", "pcauchy(X, 0.5, 2)", 1.3, [] { return CauchyCDF(1.3, 0.5, 2); }},
    {"CauchyCDF(-1e10, 0.5, 2)", "pcauchy(X, 0.5, 2)", -1e10, [] { return CauchyCDF(-1e10, 0.5, 2); }},
    {"CauchyCDFInv(0.7, 0.5, 2)", "qcauchy(X, 0.5, 2)", 0.7, [] { return CauchyCDFInv(0.7, 0.5, 2); }},
    {"CauchyCDFInv(1e-12, 0.5, 2)", "qcauchy(X, 0.5, 2)", 1e-12, [] { return CauchyCDFInv(1e-12, 0.5, 2); }},
    {"LaplacePDF(1.3, 0.5, 2)", "exp(-abs(X - 0.5) / 2) / 4", 1.3, [] { return LaplacePDF(1.3, 0.5, 2); }},
    {"LaplaceCDF(1.3, 0.5, 2)", "ifelse(X < 0.5, exp((X - 0.5) / 2) / 2, 1 - exp((0.5 - X) / 2) / 2)", 1.3,
     [] { return LaplaceCDF(1.3, 0.5, 2); }},
    {"LaplaceCDFInv(0.7, 0.5, 2)", "ifelse(X < 0.5, 0.5 + 2 * log(2 * X), 0.5 - 2 * log(2 - 2 * X))", 0.7,
     [] { return LaplaceCDFInv(0.7, 0.5, 2); }},
    {"LogisticPDF(1.3, 0.5, 2)", "dlogis(X, 0.5, 2)", 1.3, [] { return LogisticPDF(1.3, 0.5, 2); }},
    {"LogisticCDF(1.3, 0.5, 2)", "plogis(X, 0.5, 2)", 1.3, [] { return LogisticCDF(1.3, 0.5, 2); }},
    {"LogisticCDFInv(0.7, 0.5, 2)", "qlogis(X, 0.5, 2)", 0.7, [] { return LogisticCDFInv(0.7, 0.5, 2); }},
    {"LogisticCCDFInv(1e-12, -3, 2)", "qlogis(X, -3, 2, lower.tail = FALSE)", 1e-12,
     [] { return LogisticCCDFInv(1e-12, -3, 2); }},
    {"LogWeibullPDF(1.3, 0.5, 2)", "exp(-(X - 0.5) / 2 - exp(-(X - 0.5) / 2)) / 2", 1.3,
     [] { return LogWeibullPDF(1.3, 0.5, 2); }},
    {"LogWeibullCDF(1.3, 0.5, 2)", "exp(-exp(-(X - 0.5) / 2))", 1.3, [] { return LogWeibullCDF(1.3, 0.5, 2); }},
    {"LogWeibullCDFInv(0.7, 0.5, 2)", "0.5 - 2 * log(-log(X))", 0.7, [] { return LogWeibullCDFInv(0.7, 0.5, 2); }},
    {"ParetoPDF(3.1, 2.5, 1.5)", "2.5 * 1.5^2.5 / X^3.5", 3.1, [] { return ParetoPDF(3.1, 2.5, 1.5); }},
    {"ParetoCDF(3.1, 2.5, 1.5)", "1 - (1.5 / X)^2.5", 3.1, [] { return ParetoCDF(3.1, 2.5, 1.5); }},
    {"ParetoCDFInv(0.7, 2.5, 1.5)", "1.5 * (1 - X)^(-1 / 2.5)", 0.7, [] { return ParetoCDFInv(0.7, 2.5, 1.5); }},
    {"RayleighPDF(1.3, 2)", "X / 4 * exp(-X^2 / 8)", 1.3, [] { return RayleighPDF(1.3, 2); }},
    {"RayleighCDF(1.3, 2)", "-expm1(-X^2 / 8)", 1.3, [] { return RayleighCDF(1.3, 2); }},
    {"RayleighCDFInv(0.7, 2)", "2 * sqrt(-2 * log1p(-X))", 0.7, [] { return RayleighCDFInv(0.7, 2); }},
    {"TriangularPDF(1.3, 0, 4, 1)", "2 * (4 - X) / 12", 1.3, [] { return TriangularPDF(1.3, 0, 4, 1); }},
    {"TriangularCDF(1.3, 0, 4, 1)", "1 - (4 - X)^2 / 12", 1.3, [] { return TriangularCDF(1.3, 0, 4, 1); }},
    {"TriangularCDFInv(0.7, 0, 4, 1)", "4 - sqrt(12 * (1 - X))", 0.7, [] { return TriangularCDFInv(0.7, 0, 4, 1); }},
    {"UniformPDF(1.3, 0, 4)", "dunif(X, 0, 4)", 1.3, [] { return UniformPDF(1.3, 0, 4); }},
    {"UniformCDF(1.3, 0, 4)", "punif(X, 0, 4)", 1.3, [] { return UniformCDF(1.3, 0, 4); }},
    {"UniformCDFInv(0.7, 0, 4)", "qunif(X, 0, 4)", 0.7, [] { return UniformCDFInv(0.7, 0, 4); }},
    {"WeibullPDF(1.3, 0.5, 1.5)", "dweibull(X, 1.5, 0.5^(-1 / 1.5))", 1.3, [] { return WeibullPDF(1.3, 0.5, 1.5); }},
    {"WeibullCDF(1.3, 0.5, 1.5)", "pweibull(X, 1.5, 0.5^(-1 / 1.5))", 1.3, [] { return WeibullCDF(1.3, 0.5, 1.5); }},
    {"WeibullCCDF(40, 0.5, 1.5)", "pweibull(X, 1.5, 0.5^(-1 / 1.5), lower.tail = FALSE)", 40,
     [] { return WeibullCCDF(40, 0.5, 1.5); }},
    {"WeibullCDFInv(0.7, 0.5, 1.5)", "qweibull(X, 1.5, 0.5^(-1 / 1.5))", 0.7, [] { return WeibullCDFInv(0.7, 0.5, 1.5); }},
    {"MaxwellPDF(1.3, 2)", "sqrt(2 / pi) * X^2 * exp(-X^2 / 8) / 8", 1.3, [] { return MaxwellPDF(1.3, 2); }},
    {"MaxwellCDF(1.3, 2)", "pchisq((X / 2)^2, 3)", 1.3, [] { return MaxwellCDF(1.3, 2); }},
    {"MaxwellCCDF(20, 2)", "pchisq((X / 2)^2, 3, lower.tail = FALSE)", 20, [] { return MaxwellCCDF(20, 2); }},
    {"MaxwellCDFInv(0.7, 2)", "2 * sqrt(qchisq(X, 3))", 0.7, [] { return MaxwellCDFInv(0.7, 2); }},
    {"MaxwellCDFInv(1e-20, 2)", "2 * sqrt(qchisq(X, 3))", 1e-20, [] { return MaxwellCDFInv(1e-20, 2); }},
    {"MaxwellCCDFInv(1e-20, 2)", "2 * sqrt(qchisq(X, 3, lower.tail = FALSE))", 1e-20,
     [] { return MaxwellCCDFInv(1e-20, 2); }},
    {"BoseEinsteinPDF(1.3, 0.5, 2)", "X^2 / expm1(X - 0.5)", 1.3, [] { return BoseEinsteinPDF(1.3, 0.5, 2); }},
    {"FermiDiracPDF(1.3, 0.5, 2)", "X^2 / (exp(X - 0.5) + 1)", 1.3, [] { return FermiDiracPDF(1.3, 0.5, 2); }},
});
}  // namespace
