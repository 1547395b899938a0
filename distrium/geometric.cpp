// Geometric distribution: the number of failures before the first success,
// success probability p. Mass p (1-p)^k, P(X <= k) = 1 - (1-p)^(k+1) and
// P(X > k) = (1-p)^(k+1), the powers taken as exponentials of
// (k + 1) ln(1 - p) by log1p and expm1, so that neither a small p nor a
// tail near 1 loses digits; the quantiles start from the closed form and
// settle on the first point where these values reach the probability.
#include <cmath>

#include "distrium/discrete_search.h"
#include "distrium/distrium.h"
#include "distrium/internal.h"
#include "distrium/saddle_point.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::Inf;
using numkern::NaN;

namespace {

// ln(1 - p) for 0 < p <= 1 (-Inf at p = 1).
ext LnFailure(double p) { return std::log1p(-ext(p)); }

// The tails at a whole k from lnq = ln(1 - p): the power (1-p)^(k+1) is
// e^((k + 1) lnq).
double LowerTail(double k, ext lnq) { return k < 0 ? 0 : Stored(-std::expm1((ext(k) + 1) * lnq)); }
double UpperTail(double k, ext lnq) {
    return k < 0 ? 1 : Stored(detail::ExpOfExtended((ext(k) + 1) * lnq));
}

// The smallest whole k with P(X <= k) >= prob, or with P(X > k) <= prob
// when Upper, for 0 < prob < 1 and 0 < p < 1: the closed form
// t = ln(tail) / ln(1 - p) - 1 rounded up. Taken in double it is off by a
// few ulps, and the tails' own rounding moves it by less, so unless t lies
// within 1e-13 of itself of a whole number its ceiling is the answer; there
// the tails themselves settle it.
double Quantile(double probIn, double p, bool UpperIn) {
    // The same k from the smaller tail: 1 - prob is exact there, and the
    // tail itself accurate where the other rounds to 1.
    const bool Upper = probIn > 0.5 ? !UpperIn : UpperIn;
    const double prob = probIn > 0.5 ? 1 - probIn : probIn;
    const double t = (Upper ? std::log(prob) : std::log1p(-prob)) / std::log1p(-p) - 1;
    if (std::fabs(t - std::nearbyint(t)) > 1e-13 * std::fmax(1, std::fabs(t)))
        return t <= 0 ? 0 : std::ceil(t);
    const ext lnq = LnFailure(p);
    const double guess = std::ceil(t);
    if (Upper)
        return detail::SmallestReaching([lnq](double k) { return UpperTail(k, lnq); },
                                        [prob](double v) { return v <= prob; }, guess, 0, Inf);
    return detail::SmallestReaching([lnq](double k) { return LowerTail(k, lnq); },
                                    [prob](double v) { return v >= prob; }, guess, 0, Inf);
}

}  // namespace

// p = 1 is accepted and puts all mass at 0. A point that is not whole
// (after snapping) has mass 0.
double GeometricPDF(double x, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p <= 0 || p > 1) return NaN;
    const double k = detail::SnapWhole(x);
    if (k < 0 || k != std::floor(k)) return 0;
    if (p == 1) return k == 0 ? 1 : 0;
    return Stored(p * detail::ExpOfExtended(ext(k) * LnFailure(p)));
}

// P(X <= floor(x)): 0 below the support; with p = 1, 1 from 0 on.
double GeometricCDF(double x, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p <= 0 || p > 1) return NaN;
    return LowerTail(detail::WholeFloor(x), LnFailure(p));
}

double GeometricCCDF(double x, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p <= 0 || p > 1) return NaN;
    return UpperTail(detail::WholeFloor(x), LnFailure(p));
}

// Counts failures, as the PDF and CDF do. p = 0 is accepted: a success
// never comes, and the quantile of a positive probability is +Inf.
double GeometricCDFInv(double prob, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (prob < 0 || prob > 1 || p < 0 || p > 1) return NaN;
    if (prob == 1) return Inf;
    if (prob == 0 || p == 1) return 0;
    if (p == 0) return Inf;
    return Quantile(prob, p, false);
}

// The mirror of GeometricCDFInv: prob = 0 answers +Inf, prob = 1 answers 0.
double GeometricCCDFInv(double prob, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (prob < 0 || prob > 1 || p < 0 || p > 1) return NaN;
    if (prob == 0) return Inf;
    if (prob == 1 || p == 1) return 0;
    if (p == 0) return Inf;
    return Quantile(prob, p, true);
}

}  // namespace distrium
