// Three laws of statistical physics. Maxwell with scale a: density
// sqrt(2/pi) x^2 e^(-x^2/(2 a^2)) / a^3, the gamma law of shape 3/2 in
// t = u^2 / 2 with u = x / a. At that shape both tails have closed forms in
// the normal law: Q(3/2, t) = 2 Phi(-u) + 2 u phi(u), a sum of two positive
// terms, and near 0, where P = 1 - Q would cancel, the lower tail is the
// gamma series P(3/2, t) = sqrt(2/pi) u^3 e^(-t) / 3 * sum t^n / ((5/2)...
// (3/2 + n)). u stays in extended precision, so the far upper tail keeps
// its digits (through GammaQ, t rounded to double would cost t ulps). The
// quantiles solve ln F(u) = ln p by Newton's method from the tails'
// leading terms. Bose-Einstein and Fermi-Dirac: x^s / (e^(x-mu) -/+ 1),
// unnormalised, with no CDF and no inverse; they test nothing and let IEEE
// arithmetic decide, e^(x-mu) - 1 taken as expm1 near x = mu.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/extended_exp.h"
#include "distrium/internal.h"
#include "distrium/std_normal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ExpOf;
using detail::ext;
using detail::OutsideUnit;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

constexpr ext SqrtTwoOverPi = 0.797884560802865355879892119868763737L;

// Below this u the lower tail comes from its series, above it as 1 - Q,
// where Q < 0.53 leaves no cancellation.
constexpr ext SeriesBound = 1.5L;

// 2 u phi(u) = sqrt(2/pi) u e^(-u^2/2); 0 once the exponential is.
ext TwoUPhi(ext u) {
    const ext e = ExpOf(-u * u * 0.5L);
    return e == 0 ? 0.0L : SqrtTwoOverPi * u * e;
}

// P(X > a u) for the Maxwell law of scale a, u >= 0.
ext MaxwellUpper(ext u) { return 2 * detail::StdNormalCDF(-u) + TwoUPhi(u); }

// P(X <= a u), u >= 0.
ext MaxwellLower(ext u) {
    if (u >= SeriesBound) return 1 - MaxwellUpper(u);
    const ext t = u * u * 0.5L;
    ext term = 1, sum = 1;
    // The terms fall at least by the factor t / (5/2 + n) < 0.5 each.
    for (int n = 1; n < 80 && term > sum * 1e-21L; ++n) {
        term *= t / (1.5L + n);
        sum += term;
    }
    return SqrtTwoOverPi / 3 * u * u * u * ExpOf(-t) * sum;
}

// The density in u: dF/du = sqrt(2/pi) u^2 e^(-u^2/2).
ext MaxwellDensity(ext u) { return TwoUPhi(u) * u; }

// Start values from the leading terms: P ~ sqrt(2/pi) u^3 / 3 near 0, and
// ln Q ~ ln(sqrt(2/pi) u) - u^2/2 far out (solved by one substitution).
ext LowerStart(double p) { return std::cbrt(Stored(3 * ext(p) / SqrtTwoOverPi)); }
ext UpperStart(double q) {
    constexpr double LnSqrtTwoOverPi = -0.22579135264472743;
    const double w = -2 * std::log(q) + 2 * LnSqrtTwoOverPi;
    const double u = std::sqrt(std::fmax(w, 1.0));
    return std::sqrt(std::fmax(w + 2 * std::log(u), 1.0));
}

constexpr int MaxNewtonSteps = 60;

// x^s with the kernel's conventions: 1 for s = 0, 0 or +Inf at x = 0, and
// NaN for a negative x even where s is whole.
ext PowerOf(double x, double s) {
    if (s == 0) return 1;
    if (x == 0) return s < 0 ? Inf : 0;
    if (x < 0) return NaN;
    return std::pow(x, s);
}

// The u with P(X <= a u) = p (Upper false) or P(X > a u) = p (Upper true),
// 0 < p <= 1/2: Newton's method on ln F(u) - ln p, which is concave in u in
// both tails, so the iterates close in from one side after the first step;
// a step that would leave u > 0 is halved towards 0 instead.
ext SolveMaxwell(double p, bool Upper) {
    ext u = Upper ? UpperStart(p) : LowerStart(p);
    for (int i = 0; i < MaxNewtonSteps; ++i) {
        const ext F = Upper ? MaxwellUpper(u) : MaxwellLower(u);
        const ext slope = (Upper ? -MaxwellDensity(u) : MaxwellDensity(u)) / F;
        // ln F - ln p, through log1p near the root, where F / p is close to 1.
        const ext r = F / p;
        const ext gap = r > 0.5L && r < 2 ? ext(std::log1p(Stored(r - 1))) : std::log(r);
        const ext step = gap / slope;
        // A NaN step (F or the density underflowed) ends the iteration.
        if (std::isnan(step)) break;
        const ext next = u - step > 0 ? u - step : u / 2;
        // Quadratic convergence: once a step is this small, the error of
        // the new iterate is far below the rounding of the result.
        const bool done = std::fabs(next - u) <= 1e-12L * next;
        u = next;
        if (done) break;
    }
    return u;
}

}  // namespace

double MaxwellPDF(double x, double a) {
    if (AnyNaN(x, a)) return NaN;
    if (x < 0 || a <= 0) return NaN;
    return Stored(MaxwellDensity(ext(x) / a) / a);
}

double MaxwellCDF(double x, double a) {
    if (AnyNaN(x, a)) return NaN;
    if (x < 0 || a <= 0) return NaN;
    return Stored(MaxwellLower(ext(x) / a));
}

double MaxwellCCDF(double x, double a) {
    if (AnyNaN(x, a)) return NaN;
    if (x < 0 || a <= 0) return NaN;
    return Stored(MaxwellUpper(ext(x) / a));
}

double MaxwellCDFInv(double p, double a) {
    if (AnyNaN(p, a)) return NaN;
    if (OutsideUnit(p) || a <= 0) return NaN;
    if (p == 0) return 0;
    if (p == 1) return Inf;
    // 1 - p is exact above 1/2.
    const ext u = p <= 0.5 ? SolveMaxwell(p, false) : SolveMaxwell(Stored(1 - ext(p)), true);
    return Stored(u * a);
}

double MaxwellCCDFInv(double p, double a) {
    if (AnyNaN(p, a)) return NaN;
    if (OutsideUnit(p) || a <= 0) return NaN;
    if (p == 0) return Inf;
    if (p == 1) return 0;
    const ext u = p <= 0.5 ? SolveMaxwell(p, true) : SolveMaxwell(Stored(1 - ext(p)), false);
    return Stored(u * a);
}

// At x = mu the denominator is +0 and the value +Inf.
double BoseEinsteinPDF(double x, double mu, double s) {
    if (AnyNaN(x, mu, s)) return NaN;
    const ext d = ext(x) - mu;
    // expm1 near 0, where e^d - 1 cancels; beyond, e^d of the extended d.
    const ext D = std::fabs(d) < 1 ? ext(std::expm1(Stored(d))) : ExpOf(d) - 1;
    return Stored(PowerOf(x, s) / D);
}

double FermiDiracPDF(double x, double mu, double s) {
    if (AnyNaN(x, mu, s)) return NaN;
    return Stored(PowerOf(x, s) / (1 + ExpOf(ext(x) - mu)));
}

}  // namespace distrium
