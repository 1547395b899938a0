// Negative binomial distribution: the number of failures before the R-th
// success, success probability p. The mass C(R+k-1, k) p^R (1-p)^k is
// R / (R + k) times the binomial mass of R successes in R + k trials, in
// Loader's saddle-point form (a coefficient through log-gamma values would
// carry their rounding, 1e-16 of their size, into every mass). The two tails at
// a whole k are the regularised incomplete beta functions
// P(X <= k) = I_p(R, k + 1) and P(X > k) = 1 - I_p(R, k + 1), and a
// quantile takes one tail at a Cornish-Fisher guess and walks the masses
// next to it.
#include <cmath>
#include <cstdint>

#include "distrium/discrete_search.h"
#include "distrium/distrium.h"
#include "distrium/incomplete_beta.h"
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

// The mass at a whole k >= 0 in extended precision. p = 0 and p = 1 put all
// mass out of reach or at 0.
ext MassAt(double k, std::int32_t R, double p) {
    if (p == 0 || p == 1) return p == 1 && k == 0 ? 1 : 0;
    return R / (R + ext(k)) * detail::LoaderBinomialMass(R, R + ext(k), p, 1 - ext(p));
}

// P(X <= k), or P(X > k) when Upper, at a whole k: 0 or 1 below the
// support. The mass at k is left in *mass when asked for; the incomplete
// beta's prefix p^R q^(k+1) / B(R, k + 1) is that mass times (R + k) q.
double Tail(double k, std::int32_t R, double p, bool Upper, ext* mass = nullptr) {
    if (mass) *mass = 0;
    if (k < 0 || p == 0) return Upper ? 1 : 0;
    if (p == 1 || numkern::IsInf(k)) return Upper ? 0 : 1;
    const double q = Stored(1 - ext(p));
    ext prefix = 0;
    const ext tail = detail::IncBetaKernel(R, Stored(k + 1.0L)).Tail(p, q, Upper, &prefix);
    if (mass) *mass = prefix / ((R + ext(k)) * (1 - ext(p)));
    return Stored(tail);
}

// The smallest whole k with P(X <= k) >= prob, or with P(X > k) <= prob
// when Upper, for 0 < prob < 1 and 0 < p < 1: mean R q / p, standard
// deviation sqrt(R q) / p, skewness (2 - p) / sqrt(R q).
double Quantile(double probIn, std::int32_t R, double p, bool UpperIn) {
    // The same k from the smaller tail: 1 - prob is exact there, and the
    // tail itself accurate where the other rounds to 1.
    const bool Upper = probIn > 0.5 ? !UpperIn : UpperIn;
    const double prob = probIn > 0.5 ? 1 - probIn : probIn;
    const ext q = 1 - ext(p);
    const ext rootRq = std::sqrt(R * q);
    const double guess = detail::CornishFisherGuess(
        prob, Upper, Stored(R * q / p), Stored(rootRq / p), Stored((2 - ext(p)) / rootRq));
    return detail::SmallestReachingByMasses(
        [=](double k, ext* mass) { return Tail(k, R, p, Upper, mass); },
        [=](double k) { return (R + ext(k)) / (k + 1) * q; }, prob, Upper, guess, 0, Inf);
}

bool BadLaw(std::int32_t R, double p) { return p > 1 || p < 0 || R < 1; }

}  // namespace

// A point that is not whole (after snapping to a whole number it lies
// within a few ulps of) has mass 0.
double NegBinomPDF(double x, std::int32_t R, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (BadLaw(R, p)) return NaN;
    const double k = detail::SnapWhole(x);
    if (k < 0 || k != std::floor(k)) return 0;
    return Stored(MassAt(k, R, p));
}

// P(X <= floor(x)); 0 below the support.
double NegBinomCDF(double x, std::int32_t R, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (BadLaw(R, p)) return NaN;
    return Tail(detail::WholeFloor(x), R, p, false);
}

double NegBinomCCDF(double x, std::int32_t R, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (BadLaw(R, p)) return NaN;
    return Tail(detail::WholeFloor(x), R, p, true);
}

// prob = 1 answers +Inf. With p = 0 a success never comes, so the quantile
// of any positive probability is +Inf; with p = 1 every mass is at 0.
double NegBinomCDFInv(double prob, std::int32_t R, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (BadLaw(R, p) || prob < 0 || prob > 1) return NaN;
    if (prob == 1) return Inf;
    if (prob == 0 || p == 1) return 0;
    if (p == 0) return Inf;
    return Quantile(prob, R, p, false);
}

// The mirror of NegBinomCDFInv: prob = 0 answers +Inf, prob = 1 answers 0.
double NegBinomCCDFInv(double prob, std::int32_t R, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (BadLaw(R, p) || prob < 0 || prob > 1) return NaN;
    if (prob == 0) return Inf;
    if (prob == 1 || p == 1) return 0;
    if (p == 0) return Inf;
    return Quantile(prob, R, p, true);
}

}  // namespace distrium
