// Binomial distribution: n trials with success probability p. The mass is
// C(n, k) p^k (1-p)^(n-k) at k = x truncated toward zero, the CDF is
// 1 - I_p(k + 1, n - k), and the quantile walks the masses upward from 0
// until their sum reaches the probability.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "distrium/internal.h"
#include "distrium/discrete_walk.h"
#include "distrium/distrium.h"
#include "distrium/saddle_point.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::TruncFitsInt32;
using detail::ext;
using detail::Stored;
using numkern::IntPower;
using numkern::NaN;

namespace {

// The mass at 0 < k < n for 0 < p < 1 in saddle-point form:
// e^-(deviances) sqrt(n / (2 pi k (n - k))) with Stirling's errors.
ext MassBySaddlePoint(std::int32_t k, std::int32_t n, double p) {
    const double q = Stored(1 - ext(p));
    const ext lnMass = detail::StirlingError(n) - detail::StirlingError(k) - detail::StirlingError(n - k) -
                       detail::Deviance(k, ext(n) * p) - detail::Deviance(n - k, ext(n) * q);
    const ext spread = ext(numkern::InvTwoPi) * n / (ext(k) * (n - k));
    return numkern::Exp(Stored(lnMass)) * std::sqrt(spread);
}

// The mass at 0 <= k < n as the product C(n, k) * p^k * (1-p)^(n-k), with
// p^k stored. Past about n = 1030 the coefficient overflows to +Inf, and a
// stored p^k can underflow while the mass does not: there the product would
// give Inf, NaN (Inf * 0) or 0 for a mass of moderate size, so the same
// mass is taken in saddle-point form. With p = 0 or 1 the mass inside the
// support is exactly 0 (p = 0 at k = 0 has the whole mass and a finite
// product).
ext MassTerm(std::int32_t k, std::int32_t n, double p) {
    const double t = Stored(IntPower(p, k));
    const ext product = ext(Binomial(n, k)) * t * IntPower(Stored(1 - ext(p)), n - k);
    if (std::isfinite(product) && (t >= DBL_MIN || p == 0)) return product;
    if (p == 0 || p == 1) return 0;
    return MassBySaddlePoint(k, n, p);
}

// The mass at a whole 0 <= k <= n as BinomPDF computes it: the two ends
// through Power, the points between through MassTerm.
ext MassAt(double k, std::int32_t n, double p) {
    if (k == 0) return numkern::Power(Stored(1 - ext(p)), n);
    if (k == n) return numkern::Power(p, n);
    return MassTerm(static_cast<std::int32_t>(k), n, p);
}

class BinomMasses {
public:
    BinomMasses(std::int32_t n, double p) : n_(n), p_(p), odds_(ext(p) / (1 - ext(p))) {}
    ext Mass(double k) const { return MassAt(k, n_, p_); }
    ext Ratio(double k) const { return (n_ - ext(k)) / (k + 1) * odds_; }
    double Mode() const { return std::fmin(std::floor((n_ + 1.0L) * p_), n_); }

private:
    std::int32_t n_;
    double p_;
    ext odds_;
};

}  // namespace

// A non-integer x gets the mass of its truncation, so -1 < x < 0 gets the
// mass at 0; below that the coefficient is 0 (and p^k is infinite for p = 0,
// which makes those points NaN).
double BinomPDF(double x, std::int32_t n, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p < 0 || p > 1 || n <= 0 || x > n) return NaN;
    if (x == 0 || x == n) return Stored(MassAt(x, n, p));
    if (!TruncFitsInt32(x)) return 0;
    const auto k = static_cast<std::int32_t>(x);
    if (k < 0) return p > 0 ? 0 : NaN;
    return Stored(MassTerm(k, n, p));
}

double BinomCDF(double x, std::int32_t n, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p < 0 || p > 1 || n <= 0 || x > n) return NaN;
    if (x == 0) return Stored(IntPower(Stored(1 - ext(p)), n));
    if (x == n) return 1;
    if (!TruncFitsInt32(x)) return 0;
    const auto k = static_cast<std::int32_t>(x);
    if (k < 0) return 0;
    return Stored(1 - ext(BetaI(p, k + 1.0, double(n - k))));
}

// n = 0 is accepted and answers 0 (its mass at 0 has no value, so the
// original walk never starts). A sum that stops growing below prob would
// walk on to n, which is then the answer.
double BinomCDFInv(double prob, std::int32_t n, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (n < 0 || p < 0 || p > 1 || prob < 0 || prob > 1) return NaN;
    if (n == 0) return 0;
    return detail::BoundedQuantile(
        detail::WalkMasses(BinomMasses(n, p), 0, n, prob, [prob](double s) { return !(prob > s); }), n);
}

}  // namespace distrium
