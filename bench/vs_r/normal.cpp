// Erf, ErfInv and the normal and log-normal laws against R's dnorm/pnorm/
// qnorm and dlnorm/plnorm/qlnorm, in the body and the far tails.
#include "bench/vs_r/vs_r.h"
#include "distrium/distrium.h"

namespace {
using namespace distrium;
const bool kRows = vsr::Add({
    {"Erf(0.3)", "2 * pnorm(X * sqrt(2)) - 1", 0.3, [] { return Erf(0.3); }},
    {"Erf(2.5)", "2 * pnorm(X * sqrt(2)) - 1", 2.5, [] { return Erf(2.5); }},
    {"ErfInv(0.5)", "qnorm((1 + X) / 2) / sqrt(2)", 0.5, [] { return ErfInv(0.5); }},
    {"ErfInv(-0.999999)", "qnorm((1 + X) / 2) / sqrt(2)", -0.999999,
     [] { return ErfInv(-0.999999); }},
    {"NormalPDF(1.3, 0.5, 2)", "dnorm(X, 0.5, 2)", 1.3, [] { return NormalPDF(1.3, 0.5, 2); }},
    {"NormalPDF(-30, 0, 1)", "dnorm(X, 0, 1)", -30, [] { return NormalPDF(-30, 0, 1); }},
    {"NormalCDF(0.3, 0, 1)", "pnorm(X, 0, 1)", 0.3, [] { return NormalCDF(0.3, 0, 1); }},
    {"NormalCDF(-3, 0, 1)", "pnorm(X, 0, 1)", -3, [] { return NormalCDF(-3, 0, 1); }},
    {"NormalCDF(-30, 0, 1)", "pnorm(X, 0, 1)", -30, [] { return NormalCDF(-30, 0, 1); }},
    {"NormalCCDF(8, 0, 1)", "pnorm(X, 0, 1, lower.tail = FALSE)", 8,
     [] { return NormalCCDF(8, 0, 1); }},
    {"NormalCDFInv(0.975, 0, 1)", "qnorm(X, 0, 1)", 0.975,
     [] { return NormalCDFInv(0.975, 0, 1); }},
    {"NormalCDFInv(0.01, 0, 1)", "qnorm(X, 0, 1)", 0.01, [] { return NormalCDFInv(0.01, 0, 1); }},
    {"NormalCDFInv(1e-20, 0, 1)", "qnorm(X, 0, 1)", 1e-20,
     [] { return NormalCDFInv(1e-20, 0, 1); }},
    {"NormalCDFInv(1e-300, 0, 1)", "qnorm(X, 0, 1)", 1e-300,
     [] { return NormalCDFInv(1e-300, 0, 1); }},
    {"NormalCCDFInv(1e-10, 0, 1)", "qnorm(X, 0, 1, lower.tail = FALSE)", 1e-10,
     [] { return NormalCCDFInv(1e-10, 0, 1); }},
    {"LogNormalPDF(1.3, 0.5, 2)", "dlnorm(X, 0.5, 2)", 1.3,
     [] { return LogNormalPDF(1.3, 0.5, 2); }},
    {"LogNormalCDF(1.3, 0.5, 2)", "plnorm(X, 0.5, 2)", 1.3,
     [] { return LogNormalCDF(1.3, 0.5, 2); }},
    {"LogNormalCCDF(1e30, 0.5, 2)", "plnorm(X, 0.5, 2, lower.tail = FALSE)", 1e30,
     [] { return LogNormalCCDF(1e30, 0.5, 2); }},
    {"LogNormalCDFInv(0.975, 0.5, 2)", "qlnorm(X, 0.5, 2)", 0.975,
     [] { return LogNormalCDFInv(0.975, 0.5, 2); }},
    {"LogNormalCCDFInv(1e-50, 0.5, 2)", "qlnorm(X, 0.5, 2, lower.tail = FALSE)", 1e-50,
     [] { return LogNormalCCDFInv(1e-50, 0.5, 2); }},
});
}  // namespace
