// The beta, Student's t and F laws against R's d/p/q functions: body, far
// tails and large shapes.
#include "bench/vs_r/vs_r.h"
#include "distrium/distrium.h"

namespace {
using namespace distrium;
const bool kRows = vsr::Add({
    {"BetaPDF(0.3, 2, 5)", "dbeta(X, 2, 5)", 0.3, [] { return BetaPDF(0.3, 2, 5); }},
    {"BetaPDF(0.49, 1e5, 1e5)", "dbeta(X, 1e5, 1e5)", 0.49, [] { return BetaPDF(0.49, 1e5, 1e5); }},
    {"BetaCDF(0.3, 2, 5)", "pbeta(X, 2, 5)", 0.3, [] { return BetaCDF(0.3, 2, 5); }},
    {"BetaCDF(0.01, 0.2, 0.2)", "pbeta(X, 0.2, 0.2)", 0.01, [] { return BetaCDF(0.01, 0.2, 0.2); }},
    {"BetaCDF(0.5, 1e5, 1e5)", "pbeta(X, 1e5, 1e5)", 0.5, [] { return BetaCDF(0.5, 1e5, 1e5); }},
    {"BetaCDF(0.3, 300, 200)", "pbeta(X, 300, 200)", 0.3, [] { return BetaCDF(0.3, 300, 200); }},
    {"BetaCCDF(0.9, 2, 5)", "pbeta(X, 2, 5, lower.tail = FALSE)", 0.9,
     [] { return BetaCCDF(0.9, 2, 5); }},
    {"BetaCDFInv(0.3, 2, 5)", "qbeta(X, 2, 5)", 0.3, [] { return BetaCDFInv(0.3, 2, 5); }},
    {"BetaCDFInv(1e-10, 2, 3)", "qbeta(X, 2, 3)", 1e-10, [] { return BetaCDFInv(1e-10, 2, 3); }},
    {"BetaCDFInv(0.001, 0.2, 0.2)", "qbeta(X, 0.2, 0.2)", 0.001,
     [] { return BetaCDFInv(0.001, 0.2, 0.2); }},
    {"BetaCDFInv(1e-100, 1e4, 1e4)", "qbeta(X, 1e4, 1e4)", 1e-100,
     [] { return BetaCDFInv(1e-100, 1e4, 1e4); }},
    {"BetaCCDFInv(1e-20, 2, 5)", "qbeta(X, 2, 5, lower.tail = FALSE)", 1e-20,
     [] { return BetaCCDFInv(1e-20, 2, 5); }},
    {"StudentPDF(2.5, 7)", "dt(X, 7)", 2.5, [] { return StudentPDF(2.5, 7); }},
    {"StudentPDF(3, 1e6)", "dt(X, 1e6)", 3, [] { return StudentPDF(3, 1e6); }},
    {"StudentCDF(2.5, 7)", "pt(X, 7)", 2.5, [] { return StudentCDF(2.5, 7); }},
    {"StudentCDF(-40, 2.5)", "pt(X, 2.5)", -40, [] { return StudentCDF(-40, 2.5); }},
    {"StudentCDF(-5, 1e4)", "pt(X, 1e4)", -5, [] { return StudentCDF(-5, 1e4); }},
    {"StudentCCDF(3, 30)", "pt(X, 30, lower.tail = FALSE)", 3, [] { return StudentCCDF(3, 30); }},
    {"StudentCDFInv(0.975, 7)", "qt(X, 7)", 0.975, [] { return StudentCDFInv(0.975, 7); }},
    {"StudentCDFInv(1e-10, 2.5)", "qt(X, 2.5)", 1e-10, [] { return StudentCDFInv(1e-10, 2.5); }},
    {"StudentCDFInv(1e-100, 1e5)", "qt(X, 1e5)", 1e-100, [] { return StudentCDFInv(1e-100, 1e5); }},
    {"StudentCCDFInv(0.01, 30)", "qt(X, 30, lower.tail = FALSE)", 0.01,
     [] { return StudentCCDFInv(0.01, 30); }},
    {"FPDF(2, 5, 7)", "df(X, 5, 7)", 2, [] { return FPDF(2, 5, 7); }},
    {"FCDF(2, 5, 7)", "pf(X, 5, 7)", 2, [] { return FCDF(2, 5, 7); }},
    {"FCDF(1.1, 1000, 1000)", "pf(X, 1000, 1000)", 1.1, [] { return FCDF(1.1, 1000, 1000); }},
    {"FCCDF(30, 5, 7)", "pf(X, 5, 7, lower.tail = FALSE)", 30, [] { return FCCDF(30, 5, 7); }},
    {"FCDFInv(0.95, 5, 7)", "qf(X, 5, 7)", 0.95, [] { return FCDFInv(0.95, 5, 7); }},
    {"FCDFInv(1e-10, 5, 7)", "qf(X, 5, 7)", 1e-10, [] { return FCDFInv(1e-10, 5, 7); }},
    {"FCCDFInv(1e-8, 10, 200)", "qf(X, 10, 200, lower.tail = FALSE)", 1e-8,
     [] { return FCCDFInv(1e-8, 10, 200); }},
});
}  // namespace
