// The inverse of the regularised incomplete beta function in either tail:
// the start of Majumder and Bhattacharjee (AS 109, with the normal
// approximation of Abramowitz and Stegun 26.5.22 for shapes above 1), then
// Halley's method on ln I_x(a, b) - ln p in the logarithm of the smaller of
// x and 1 - x, kept inside a bracket of the root. The smaller probability is
// solved for, so a tail probability near 1e-300 keeps its digits.
#include <cmath>
#include <utility>

#include "distrium/incomplete_beta.h"
#include "distrium/internal.h"

namespace distrium::detail {

namespace {

// Halley converges cubically from the start; a bisection fallback needs at
// most about 64 halvings of the extended x once bracketed.
constexpr int MaxSteps = 200;

// Halley's error after a step is about the cube of the step times a factor
// of the size of the shapes' square roots: a step below this leaves less
// than a tenth of an ulp.
constexpr ext SettledStep = 1e-7L;

// AS 109's start for I_x(a, b) = p with p <= 1/2, in double arithmetic:
// it only needs to land near the root. x and y are formed without a
// subtraction where the formula gives one of them as 1 - e.
BetaPoint StartPoint(ext pExt, double a, double b) {
    const double p = Stored(pExt);
    const double r = std::sqrt(-2 * std::log(p));
    const double z = r - (2.30753 + 0.27061 * r) / (1 + (0.99229 + 0.04481 * r) * r);
    if (a > 1 && b > 1) {
        const double rr = (z * z - 3) / 6;
        const double s = 1 / (2 * a - 1);
        const double t = 1 / (2 * b - 1);
        const double h = 2 / (s + t);
        const double w = z * std::sqrt(h + rr) / h - (t - s) * (rr + 5.0 / 6 - 2 / (3 * h));
        // x = a / (a + b e^2w), and its complement without a subtraction.
        const ext e = ext(b) * std::exp(2 * w);
        if (std::isinf(e)) return {ext(a) / e, 1};
        return {ext(a) / (ext(a) + e), e / (ext(a) + e)};
    }
    const double lnBeta = std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
    double t = 1 / (9 * b);
    t = 2 * b * std::pow(1 - t + z * std::sqrt(t), 3);
    if (t <= 0) {
        const double u = (std::log1p(-p) + std::log(b) + lnBeta) / b;
        return {-std::expm1(u), std::exp(u)};
    }
    t = (4 * a + 2 * b - 2) / t;
    if (t <= 1) {
        const double u = (std::log(p * a) + lnBeta) / a;
        return {std::exp(u), -std::expm1(u)};
    }
    return {(t - 1) / (t + 1), 2 / (t + 1)};
}

bool Inside(const BetaPoint& v) { return v.x > 0 && v.y > 0 && v.x < 1 && v.y < 1; }

// The point between lo and hi, halving the logarithm of the smaller of x
// and y while the bracket spans orders of magnitude.
BetaPoint Between(const BetaPoint& lo, const BetaPoint& hi) {
    if (lo.x + hi.x <= 1) {
        const ext x = lo.x > 0 ? std::sqrt(lo.x * hi.x) : hi.x * 0x1p-32L;
        return {x, 1 - x};
    }
    const ext y = hi.y > 0 ? std::sqrt(lo.y * hi.y) : lo.y * 0x1p-32L;
    return {1 - y, y};
}

// Solves the lower tail I_x(a, b) = p for p <= 1/2.
BetaPoint SolveLower(ext p, double a, double b, BetaPoint v) {
    const IncBetaKernel kernel(a, b);
    const ext lnP = std::log(p);
    BetaPoint lo{0, 1};
    BetaPoint hi{1, 0};
    if (!Inside(v)) v = StartPoint(p, a, b);
    if (!Inside(v)) v = {0.5L, 0.5L};
    for (int i = 0; i < MaxSteps; ++i) {
        ext prefix = 0;
        const ext I = kernel.Tail(v.x, v.y, false, &prefix);
        if (std::isnan(I)) return {numkern::NaN, numkern::NaN};
        const ext g = std::log(I) - lnP;
        if (g == 0) break;
        (g < 0 ? lo : hi) = v;
        // Derivatives of g in u = ln x (or ln y): x I'(x) / I = prefix / (y I).
        const bool onX = v.x <= v.y;
        ext g1 = onX ? prefix / (v.y * I) : -prefix / (v.x * I);
        ext g2 = onX ? g1 * (ext(a) - (ext(b) - 1) * v.x / v.y - g1)
                     : g1 * (ext(b) - (ext(a) - 1) * v.y / v.x - g1);
        const ext newton = g / g1;
        ext denom = 1 - newton * g2 / (2 * g1);
        if (!(denom > 0.5L && denom < 2)) denom = 1;
        const ext step = newton / denom;
        // The variable times e^-step, through expm1 so that a small step
        // keeps its digits although formed in double.
        const ext change = std::expm1(-Stored(step));
        BetaPoint next = v;
        if (onX) {
            next.x = v.x + v.x * change;
            next.y = 1 - next.x;
        } else {
            next.y = v.y + v.y * change;
            next.x = 1 - next.y;
        }
        const bool bracketed =
            onX ? next.x > lo.x && next.x < hi.x : next.y < lo.y && next.y > hi.y;
        if (!bracketed) next = Between(lo, hi);
        const bool stuck = next.x == v.x && next.y == v.y;
        v = next;
        if (stuck || (bracketed && std::fabs(step) < SettledStep)) break;
    }
    return v;
}

}  // namespace

BetaPoint IncBetaInv(ext p, ext q, double a, double b, BetaPoint start) {
    if (q < p) {
        const BetaPoint r = SolveLower(q, b, a, {start.y, start.x});
        return {r.y, r.x};
    }
    return SolveLower(p, a, b, start);
}

}  // namespace distrium::detail
