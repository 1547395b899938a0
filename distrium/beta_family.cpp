// Beta distribution on [0, 1] with shapes a and b: the density from the
// log-gamma function, the CDF as the regularised incomplete beta function
// I_x(a, b), and the quantile by Newton's method on I_x(a, b) = p, started
// at the mean and held inside (0, 1), with at most 100 steps. The Student
// and F quantiles are built on this solver.
#include <cmath>

#include "distrium/internal.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::Exp;
using numkern::Inf;
using numkern::Ln;
using numkern::LnGamma;
using numkern::NaN;

namespace {

constexpr int kMaxIterations = 100;

}  // namespace

// The ends of [0, 1] belong to the support. With a >= 1 at x = 0 (b >= 1 at
// x = 1) the formula would meet Ln(0): 0 * -Inf for a unit exponent and the
// kernel's Exp(-Inf) otherwise, both NaN. The density has a value there: 0
// for an exponent above 0, and the normalising constant e^G for exponent 0
// (so Beta(1, 0.2) has density 0.2 at 0, as the start-up range shows).
double BetaPDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0 || x < 0 || x > 1) return NaN;
    if ((x == 0 && a < 1) || (x == 1 && b < 1)) return Inf;
    double G = LnGamma(Stored(ext(a) + b));
    G = Stored(G - ext(LnGamma(a)) - LnGamma(b));
    if (x == 0 || x == 1) {
        const double exponent = x == 0 ? a : b;
        return exponent == 1 ? Stored(Exp(G)) : 0.0;
    }
    const ext tail = Ln(Stored(1 - ext(x))) * (ext(b) - 1);
    return Stored(Exp(Stored(Ln(x) * (ext(a) - 1) + G + tail)));
}

double BetaCDF(double x, double a, double b) {
    if (AnyNaN(x, a, b)) return NaN;
    if (a <= 0 || b <= 0) return NaN;
    if (x >= 1) return 1;
    if (x <= 0) return 0;
    return numkern::Min(BetaI(x, a, b), 1);
}

// The hundredth step counts as a failure even when it met the tolerance. A
// step that turns NaN (the density or the CDF has no value at the iterate)
// fails every comparison of the loop test and ends the loop with NaN.
double BetaCDFInv(double p, double a, double b) {
    if (AnyNaN(p, a, b)) return NaN;
    if (p < 0 || p > 1 || a <= 0 || b <= 0) return NaN;
    if (p == 0 || p == 1) return p;
    const double tol = Stored(std::sqrt(ext(numkern::Eps)));  // 2^-26
    double x = Stored(ext(a) / (ext(a) + b));
    if (x == 0) x = tol;
    if (x == 1) x = Stored(1 - ext(tol));
    double dx = 1;
    int i = 0;
    while (std::fabs(dx) > std::fabs(x) * ext(tol) && std::fabs(dx) > tol && i < kMaxIterations) {
        ++i;
        dx = Stored((ext(BetaCDF(x, a, b)) - p) / BetaPDF(x, a, b));
        double next = Stored(x - ext(dx));
        if (next < 0) next = Stored(0.1L * x);
        if (next > 1) next = Stored(1 - 0.1L * (1 - ext(x)));
        x = next;
    }
    if (i == kMaxIterations) numkern::RaiseOrlenError("Failed to converge!");
    return x;
}

}  // namespace distrium
