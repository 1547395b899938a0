// Closed-form laws on a bounded interval [a, b]: the triangular law with
// mode c and the uniform law. Outside [a, b] the triangular functions answer
// NaN, the uniform ones 0 or 1. Each tail is formed on its own side: the
// upper tail of the triangular law near b is (b - x)^2 / ((b - a)(b - c)),
// not 1 minus the lower one, and the quantiles take the square root on the
// side the probability belongs to.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::OutsideUnit;
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

namespace {

// P(X <= x) (Upper false) or P(X > x) (Upper true) for a <= x <= b. The
// tail on the side of x is d^2 / ((b - a) w), d the distance to that side's
// end and w its width; the other tail is 1 minus it where that is at most
// 1/2, and otherwise, near the far end of a short side, the difference
// written out: (b - a)(c - a) - (x - a)^2 = e (2 (b - a) - e) - (b - a)(b - c)
// with e = b - x, and its mirror image, which do not cancel there.
ext TriangularTail(double x, double a, double b, double c, bool Upper) {
    const ext ba = ext(b) - a, d = ext(x) - a, e = ext(b) - x;
    const bool rising = x <= c;
    const ext width = rising ? ext(c) - a : ext(b) - c;
    const ext near = rising ? d * d / (ba * width) : e * e / (ba * width);
    if (rising != Upper) return near;
    if (near <= 0.5L) return 1 - near;
    const ext far = rising ? e : d;
    const ext otherWidth = rising ? ext(b) - c : ext(c) - a;
    return (far * (2 * ba - far) - ba * otherWidth) / (ba * width);
}

}  // namespace

// With a = c, x = a gives 0 / 0 = NaN, as the density does.
double TriangularCDF(double x, double a, double b, double c) {
    if (AnyNaN(x, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    if (x < a || x > b) return NaN;
    return Stored(TriangularTail(x, a, b, c, false));
}

double TriangularCCDF(double x, double a, double b, double c) {
    if (AnyNaN(x, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    if (x < a || x > b) return NaN;
    return Stored(TriangularTail(x, a, b, c, true));
}

namespace {

// The point with P(X <= x) = p on the rising side, q = 1 - p. Near b it is
// formed from b: b - x = sqrt(b - a) ((b - c) + (c - a) q) /
// (sqrt(b - a) + sqrt((c - a) p)), since a + sqrt(...) would cancel there.
ext RisingPoint(ext p, ext q, double a, double b, double c) {
    const ext ba = ext(b) - a, ca = ext(c) - a, bc = ext(b) - c;
    if (p <= 0.5L) return a + std::sqrt(ba * ca * p);
    const ext root = std::sqrt(ba);
    return b - root * (bc + ca * q) / (root + std::sqrt(ca * p));
}

// The point with P(X > x) = q on the falling side, mirrored: formed from a
// where it lies near a.
ext FallingPoint(ext q, ext p, double a, double b, double c) {
    const ext ba = ext(b) - a, ca = ext(c) - a, bc = ext(b) - c;
    if (q <= 0.5L) return b - std::sqrt(ba * bc * q);
    const ext root = std::sqrt(ba);
    return a + root * (ca + bc * p) / (root + std::sqrt(bc * q));
}

// P(X <= c), the probability of the rising side.
ext BelowMode(double a, double b, double c) { return (ext(c) - a) / (ext(b) - a); }

}  // namespace

// x on the rising side for p up to the probability below the mode, on the
// falling side above it. p outside [0, 1] has no quantile on either side.
double TriangularCDFInv(double p, double a, double b, double c) {
    if (AnyNaN(p, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    if (OutsideUnit(p)) return NaN;
    const ext q = 1 - ext(p);
    if (p <= BelowMode(a, b, c)) return Stored(RisingPoint(p, q, a, b, c));
    return Stored(FallingPoint(q, p, a, b, c));
}

double TriangularCCDFInv(double p, double a, double b, double c) {
    if (AnyNaN(p, a, b, c)) return NaN;
    if (BadTriangle(a, b, c)) return NaN;
    if (OutsideUnit(p)) return NaN;
    const ext q = 1 - ext(p);
    if (q >= BelowMode(a, b, c)) return Stored(FallingPoint(p, q, a, b, c));
    return Stored(RisingPoint(q, p, a, b, c));
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

double UniformCCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a >= b) return NaN;
    if (x >= b) return 0;
    if (x <= a) return 1;
    return Stored((ext(b) - x) / (ext(b) - a));
}

double UniformCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a >= b || OutsideUnit(p)) return NaN;
    return Stored((ext(b) - a) * p + a);
}

double UniformCCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (a >= b || OutsideUnit(p)) return NaN;
    return Stored(b - (ext(b) - a) * p);
}

}  // namespace distrium
