// Student's t distribution with nu degrees of freedom (a real nu >= 1, used
// unrounded). The density's constant Gamma((nu+1)/2) / (Gamma(nu/2)
// sqrt(nu pi)) from Stirling errors, so that it keeps its digits at large
// nu, and its power through log1p. The tails through the incomplete beta
// function: P(|T| > t) = I_x(nu/2, 1/2) with x = nu / (nu + t^2) and its
// complement t^2 / (nu + t^2) formed separately. The quantile by inverting
// that relation from the start of Hill's algorithm 396. nu = 1 is the Cauchy
// law, in closed form.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/incomplete_beta.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

constexpr ext PiExt = 3.14159265358979323846264338327950288L;
constexpr ext LnSqrt2Pi = 0.918938533204672741780329736406L;

bool BadNu(double nu) { return !(nu >= 1) || numkern::IsInf(nu); }

// ln of the density at 0, Gamma((nu+1)/2) / (Gamma(nu/2) sqrt(nu pi)),
// kept for the last nu per thread as the beta kernel keeps its shapes.
ext LnDensityAtZero(double nu) {
    thread_local double lastNu = NaN;
    thread_local ext lastValue = 0;
    if (nu == lastNu) return lastValue;
    const ext z = 0.5L * nu;
    lastValue = z * std::log1p(0.5L / z) - 0.5L - LnSqrt2Pi + detail::StirlingDelta(z + 0.5L) -
                detail::StirlingDelta(z);
    lastNu = nu;
    return lastValue;
}

// P(|T| > |x|) for nu > 1.
ext TwoSidedTail(double x, double nu) {
    const ext t2 = ext(x) * x;
    return detail::IncBetaKernel(0.5 * nu, 0.5).Tail(nu / (nu + t2), t2 / (nu + t2), false);
}

// P(T < x) when Upper is false, P(T > x) when it is true.
double StudentTail(double x, double nu, bool Upper) {
    if (AnyNaN(x, nu)) return NaN;
    if (BadNu(nu)) return NaN;
    if (x == 0) return 0.5;
    const bool sameSide = (x > 0) == Upper;
    if (numkern::IsInf(x)) return sameSide ? 0 : 1;
    const ext half =
        nu == 1 ? std::atan2(1.0L, std::fabs(ext(x))) / PiExt : TwoSidedTail(x, nu) / 2;
    return Stored(sameSide ? half : 1 - half);
}

// The upper quantile of the standard normal law at q <= 1/2, for a start
// value: AS 109's rational form, sharpened by one Newton step on ln Q.
double NormalUpperQuantile(double q) {
    const double r = std::sqrt(-2 * std::log(q));
    const double z = r - (2.30753 + 0.27061 * r) / (1 + (0.99229 + 0.04481 * r) * r);
    const double tail = 0.5 * std::erfc(z / std::sqrt(2.0));
    const double density = std::exp(-z * z / 2 - Stored(LnSqrt2Pi));
    return z + (std::log(tail) - std::log(q)) * tail / density;
}

// Hill's approximation (CACM algorithm 396) to the t with P(|T| > t) = P,
// in double arithmetic: a start value.
double HillStart(double P, double n) {
    if (n == 2) return std::sqrt(2 / (P * (2 - P)) - 2);
    const double a = 1 / (n - 0.5);
    const double b = 48 / (a * a);
    double c = ((20700 * a / b - 98) * a - 16) * a + 96.36;
    const double d = ((94.5 / (b + c) - 3) / b + 1) * std::sqrt(a * Stored(PiExt) / 2) * n;
    double y = std::pow(d * P, 2 / n);
    if (y > 0.05 + a) {
        const double x = NormalUpperQuantile(P / 2);
        y = x * x;
        if (n < 5) c += 0.3 * (n - 4.5) * (x + 0.6);
        c = (((0.05 * d * x - 5) * x - 7) * x - 2) * x + b + c;
        y = (((((0.4 * y + 6.3) * y + 36) * y + 94.5) / c - y - 3) / b + 1) * x;
        y = std::expm1(a * y * y);
    } else {
        y = ((1 / (((n + 6) / (n * y) - 0.089 * d - 0.822) * (n + 2) * 3) + 0.5 / (n + 4)) * y -
             1) *
                (n + 1) / (n + 2) +
            1 / y;
    }
    return std::sqrt(n * y);
}

// The t >= 0 with P(|T| > t) = P, for 0 < P < 1 and nu > 1.
ext TwoSidedQuantile(ext P, double nu) {
    const ext t0 = HillStart(Stored(P), nu);
    const detail::BetaPoint start{nu / (nu + t0 * t0), t0 * t0 / (nu + t0 * t0)};
    const detail::BetaPoint root = detail::IncBetaInv(P, 1 - P, 0.5 * nu, 0.5, start);
    return std::sqrt(nu * root.y / root.x);
}

}  // namespace

// The density vanishes as |x|^-(nu+1): beyond the double range of its value
// it answers 0.
double StudentPDF(double x, double nu) {
    if (AnyNaN(x, nu)) return NaN;
    if (BadNu(nu)) return NaN;
    const ext z = 0.5L * nu;
    const ext power = (z + 0.5L) * std::log1p(ext(x) * x / nu);
    return Stored(std::exp(LnDensityAtZero(nu) - power));
}

double StudentCDF(double x, double nu) { return StudentTail(x, nu, false); }

double StudentCCDF(double x, double nu) { return StudentTail(x, nu, true); }

// nu = 1 keeps its answer at p = 0 and 1 (the tangent next to -pi/2 and
// pi/2, large but finite); inside (0, 1) it is the cotangent of the smaller
// tail, as a tangent of 1/2 - tail (exact) next to the median.
double StudentCDFInv(double p, double nu) {
    if (AnyNaN(p, nu)) return NaN;
    if (BadNu(nu) || p > 1 || p < 0) return NaN;
    if (nu == 1 && (p == 0 || p == 1))
        return Stored(numkern::Tan(Stored((ext(p) - 0.5L) * numkern::Pi)));
    if (p == 0) return -Inf;
    if (p == 1) return Inf;
    const ext tail = p < 0.5 ? ext(p) : 1 - ext(p);
    if (tail == 0.5L) return 0;
    const ext t = nu != 1        ? TwoSidedQuantile(2 * tail, nu)
                  : tail > 0.25L ? std::tan(PiExt * (0.5L - tail))
                                 : 1 / std::tan(PiExt * tail);
    return Stored(p < 0.5 ? -t : t);
}

// The law is symmetric: the upper quantile is the lower one negated.
double StudentCCDFInv(double p, double nu) {
    const double x = StudentCDFInv(p, nu);
    return x == 0 ? 0.0 : -x;
}

}  // namespace distrium
