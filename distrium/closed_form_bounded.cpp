// Closed-form laws on a bounded interval [a, b]: the triangular law with
// mode c and the uniform law. Outside [a, b] the triangular functions answer
// NaN, the uniform ones 0 or 1.
#include <cmath>

#include "distrium/internal.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::NaN;

// ---- Triangular: lower end a, upper end b, mode c ------------------------------

namespace {

// The parameter test the three triangular functions share, made first.
bool BadTriangle(double a, double b, double c) { return b <= a || a > c || c > b; }

}  // namespace

// With a = c the rising side is empty and x = a gives 0 / 0 = NaN.
double TriangularPDF(double x, double a, double b, double c) {
    if (AnyNaN(x, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    if (a <= x && x <= c) return Stored(2 * (ext(x) - a) / ((ext(b) - a) * (ext(c) - a)));
    if (c < x && x <= b) return Stored(2 * (ext(b) - x) / ((ext(b) - a) * (ext(b) - c)));
    return NaN;
}

double TriangularCDF(double x, double a, double b, double c) {
    if (AnyNaN(x, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    if (a <= x && x <= c) {
        const ext d = ext(x) - a;
        return Stored(d * d / ((ext(b) - a) * (ext(c) - a)));
    }
    if (c < x && x <= b) {
        const ext d = ext(b) - x;
        return Stored(1 - d * d / ((ext(b) - a) * (ext(b) - c)));
    }
    return NaN;
}

double TriangularCDFInv(double p, double a, double b, double c) {
    if (AnyNaN(p, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    // Outside [0, 1] the falling-side formula would still give a number.
    if (p < 0 || p > 1) return NaN;
    const double x1 = Stored(std::sqrt((ext(b) - a) * p * (ext(c) - a)) + a);
    const double x2 = Stored(b - std::sqrt((1 - ext(p)) * (ext(b) - a) * (ext(b) - c)));
    // F is NaN when x1 rounds out of [a, b] or when a = c leaves no rising side.
    const double F = TriangularCDF(x1, a, b, c);
    if (numkern::IsNaN(F)) return x2;
    // x1 inverts the rising branch up to the CDF at the mode; an exact
    // comparison of F with p would fail in the last bits after the square
    // root, so the decision is made on p itself.
    return ext(p) <= (ext(c) - a) / (ext(b) - a) ? x1 : x2;
}

// ---- Uniform on [a, b] ------------------------------------------------------------

double UniformPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a >= b) return NaN;
    if (x < a || x > b) return 0;
    return Stored(1 / (ext(b) - a));
}

double UniformCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a >= b) return NaN;
    if (x >= b) return 1;
    if (x <= a) return 0;
    return Stored((ext(x) - a) / (ext(b) - a));
}

double UniformCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a >= b || p < 0 || p > 1) return NaN;
    return Stored((ext(b) - a) * p + a);
}

}  // namespace distrium
