// Binomial distribution: n trials with success probability p. The mass is
// C(n, k) p^k (1-p)^(n-k) at k = x truncated toward zero, in Loader's
// saddle-point form; the two tails at a whole k are the regularised
// incomplete beta functions P(X <= k) = 1 - I_p(k + 1, n - k) and
// P(X > k) = I_p(k + 1, n - k), and a quantile takes one tail at a
// Cornish-Fisher guess and walks the masses next to it.
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
using numkern::NaN;

namespace {

// The mass at a whole 0 <= k <= n. The formula's product would carry the
// rounding of the stored 1 - p raised to the power n - k (1e-13 relative at
// n = 1000) and overflow past n of about 1030; the saddle-point form keeps a
// few ulps at any n.
ext MassAt(double k, std::int32_t n, double p) {
    return detail::LoaderBinomialMass(k, n, p, 1 - ext(p));
}

// P(X <= k), or P(X > k) when Upper, at a whole k: 0 or 1 off the support.
// The mass at k is left in *mass when asked for; inside the support the
// incomplete beta's prefix p^(k+1) q^(n-k) / B(k + 1, n - k) is that mass
// times (n - k) p.
double Tail(double k, std::int32_t n, double p, bool Upper, ext* mass = nullptr) {
    if (mass) *mass = k == n ? MassAt(k, n, p) : 0;
    if (k < 0) return Upper ? 1 : 0;
    if (k >= n || p == 0) return Upper ? 0 : 1;
    if (p == 1) return Upper ? 1 : 0;
    ext prefix = 0;
    const ext tail =
        detail::IncBetaKernel(Stored(k + 1.0L), n - k).Tail(p, Stored(1 - ext(p)), !Upper, &prefix);
    if (mass) *mass = prefix / ((n - k) * ext(p));
    return Stored(tail);
}

// The smallest whole k with P(X <= k) >= prob, or with P(X > k) <= prob
// when Upper, for 0 < prob < 1 and 0 < p < 1.
double Quantile(double probIn, std::int32_t n, double p, bool UpperIn) {
    // The same k from the smaller tail: 1 - prob is exact there, and the
    // tail itself accurate where the other rounds to 1.
    const bool Upper = probIn > 0.5 ? !UpperIn : UpperIn;
    const double prob = probIn > 0.5 ? 1 - probIn : probIn;
    const double q = Stored(1 - ext(p));
    const double sd = Stored(std::sqrt(ext(n) * p * q));
    const double guess =
        detail::CornishFisherGuess(prob, Upper, Stored(ext(n) * p), sd, (q - p) / sd);
    const ext odds = p / ext(q);
    return detail::SmallestReachingByMasses(
        [=](double k, ext* mass) { return Tail(k, n, p, Upper, mass); },
        [=](double k) { return (n - k) / (k + 1) * odds; }, prob, Upper, guess, 0, n);
}

}  // namespace

// The point is truncated toward zero (so -1 < x < 0 has the mass at 0 and
// 2.7 that at 2) after snapping to a whole number it lies within a few ulps
// of; a truncated point outside 0..n has mass 0.
double BinomPDF(double x, std::int32_t n, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p < 0 || p > 1 || n <= 0) return NaN;
    const double k = std::trunc(detail::SnapWhole(x));
    if (k < 0 || k > n) return 0;
    return Stored(MassAt(k, n, p));
}

// P(X <= floor(x)).
double BinomCDF(double x, std::int32_t n, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p < 0 || p > 1 || n <= 0) return NaN;
    return Tail(detail::WholeFloor(x), n, p, false);
}

double BinomCCDF(double x, std::int32_t n, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p < 0 || p > 1 || n <= 0) return NaN;
    return Tail(detail::WholeFloor(x), n, p, true);
}

// n = 0 is accepted and answers 0. prob = 1 answers n, the first point
// where the law's CDF is exactly 1 (the computed one rounds to 1 earlier).
double BinomCDFInv(double prob, std::int32_t n, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (n < 0 || p < 0 || p > 1 || prob < 0 || prob > 1) return NaN;
    if (n == 0 || prob == 0 || p == 0) return 0;
    if (prob == 1 || p == 1) return n;
    return Quantile(prob, n, p, false);
}

// The mirror of BinomCDFInv: prob = 0 answers n, prob = 1 answers 0.
double BinomCCDFInv(double prob, std::int32_t n, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (n < 0 || p < 0 || p > 1 || prob < 0 || prob > 1) return NaN;
    if (n == 0 || prob == 1 || p == 0) return 0;
    if (prob == 0 || p == 1) return n;
    return Quantile(prob, n, p, true);
}

}  // namespace distrium
