// The gamma, chi-square and exponential laws against R's d/p/q functions:
// the body, both tails and large shapes.
#include "bench/vs_r/vs_r.h"
#include "distrium/distrium.h"

namespace {
using namespace distrium;
const bool kRows = vsr::Add({
    {"GammaPDF(2.5, 3, 1)", "dgamma(X, 3, scale = 1)", 2.5, [] { return GammaPDF(2.5, 3, 1); }},
    {"GammaPDF(0.3, 0.5, 2)", "dgamma(X, 0.5, scale = 2)", 0.3, [] { return GammaPDF(0.3, 0.5, 2); }},
    {"GammaPDF(1e6, 1e6, 1)", "dgamma(X, 1e6, scale = 1)", 1e6, [] { return GammaPDF(1e6, 1e6, 1); }},
    {"GammaCDF(2.5, 3, 1)", "pgamma(X, 3, scale = 1)", 2.5, [] { return GammaCDF(2.5, 3, 1); }},
    {"GammaCDF(0.3, 0.5, 2)", "pgamma(X, 0.5, scale = 2)", 0.3, [] { return GammaCDF(0.3, 0.5, 2); }},
    {"GammaCDF(40, 3, 1)", "pgamma(X, 3, scale = 1)", 40, [] { return GammaCDF(40, 3, 1); }},
    {"GammaCDF(1e6, 1e6, 1)", "pgamma(X, 1e6, scale = 1)", 1e6, [] { return GammaCDF(1e6, 1e6, 1); }},
    {"GammaCDF(9e5, 1e6, 1)", "pgamma(X, 1e6, scale = 1)", 9e5, [] { return GammaCDF(9e5, 1e6, 1); }},
    {"GammaCCDF(40, 3, 1)", "pgamma(X, 3, scale = 1, lower.tail = FALSE)", 40, [] { return GammaCCDF(40, 3, 1); }},
    {"GammaCCDF(1.01e6, 1e6, 1)", "pgamma(X, 1e6, scale = 1, lower.tail = FALSE)", 1.01e6,
     [] { return GammaCCDF(1.01e6, 1e6, 1); }},
    {"GammaCDFInv(0.3, 3, 1)", "qgamma(X, 3, scale = 1)", 0.3, [] { return GammaCDFInv(0.3, 3, 1); }},
    {"GammaCDFInv(1e-10, 3, 1)", "qgamma(X, 3, scale = 1)", 1e-10, [] { return GammaCDFInv(1e-10, 3, 1); }},
    {"GammaCDFInv(0.3, 0.1, 1)", "qgamma(X, 0.1, scale = 1)", 0.3, [] { return GammaCDFInv(0.3, 0.1, 1); }},
    {"GammaCDFInv(0.3, 1e6, 1)", "qgamma(X, 1e6, scale = 1)", 0.3, [] { return GammaCDFInv(0.3, 1e6, 1); }},
    {"GammaCDFInv(1e-100, 50, 1)", "qgamma(X, 50, scale = 1)", 1e-100, [] { return GammaCDFInv(1e-100, 50, 1); }},
    {"GammaCCDFInv(1e-10, 3, 1)", "qgamma(X, 3, scale = 1, lower.tail = FALSE)", 1e-10,
     [] { return GammaCCDFInv(1e-10, 3, 1); }},
    {"ChiSquarePDF(3, 5)", "dchisq(X, 5)", 3, [] { return ChiSquarePDF(3, 5); }},
    {"ChiSquareCDF(3, 5)", "pchisq(X, 5)", 3, [] { return ChiSquareCDF(3, 5); }},
    {"ChiSquareCDF(2e4, 2e4)", "pchisq(X, 2e4)", 2e4, [] { return ChiSquareCDF(2e4, 20000); }},
    {"ChiSquareCCDF(60, 5)", "pchisq(X, 5, lower.tail = FALSE)", 60, [] { return ChiSquareCCDF(60, 5); }},
    {"ChiSquareCDFInv(0.95, 5)", "qchisq(X, 5)", 0.95, [] { return ChiSquareCDFInv(0.95, 5); }},
    {"ChiSquareCDFInv(0.99999995, 1)", "qchisq(X, 1)", 0.99999995, [] { return ChiSquareCDFInv(0.99999995, 1); }},
    {"ChiSquareCCDFInv(1e-20, 10)", "qchisq(X, 10, lower.tail = FALSE)", 1e-20,
     [] { return ChiSquareCCDFInv(1e-20, 10); }},
    {"ExpPDF(0.7, 2)", "dexp(X, 1 / 2)", 0.7, [] { return ExpPDF(0.7, 2); }},
    {"ExpCDF(0.7, 2)", "pexp(X, 1 / 2)", 0.7, [] { return ExpCDF(0.7, 2); }},
    {"ExpCDF(1e-20, 1)", "pexp(X, 1)", 1e-20, [] { return ExpCDF(1e-20, 1); }},
    {"ExpCCDF(30, 2)", "pexp(X, 1 / 2, lower.tail = FALSE)", 30, [] { return ExpCCDF(30, 2); }},
    {"ExpCDFInv(0.3, 2)", "qexp(X, 1 / 2)", 0.3, [] { return ExpCDFInv(0.3, 2); }},
    {"ExpCCDFInv(1e-10, 2)", "qexp(X, 1 / 2, lower.tail = FALSE)", 1e-10, [] { return ExpCCDFInv(1e-10, 2); }},
});
}  // namespace
