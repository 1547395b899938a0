// Negative binomial distribution: the number of failures before the R-th
// success, success probability p. The mass is C(R+k-1, k) p^R (1-p)^k with
// the coefficient taken as a whole number from the log-gamma function; the
// CDF adds the masses up to the point and the quantile walks them upward
// until their sum reaches the probability.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "distrium/internal.h"
#include "distrium/discrete_walk.h"
#include "distrium/distrium.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::Inf;
using numkern::IntPower;
using numkern::Ln;
using numkern::LnGamma;
using numkern::NaN;

namespace {

// Whole coefficients are rounded while they fit a 64-bit integer (below
// 2^63); beyond that the rounding has no meaning and the unrounded value
// stays. Either way the coefficient is stored as a double.
constexpr ext kRoundedCoefficientBound = 0x1p63L;

bool NormalExtended(ext v) { return v >= LDBL_MIN && v <= LDBL_MAX; }

// The mass at a whole k >= 0 in extended precision. Within the 32-bit range
// it is the product p^R * w * (1-p)^k; when a factor leaves the extended
// range (p^R or (1-p)^k underflowing, the coefficient overflowing, as for R
// in the thousands) the product would say 0, Inf or NaN for a mass of
// moderate size, so the same mass is taken in logarithms, as it is beyond
// the 32-bit range. p = 0 and p = 1 put all mass out of reach or at 0.
ext MassAt(double k, std::int32_t R, double p) {
    if (p == 0 || p == 1) return p == 1 && k == 0 ? 1 : 0;
    const double q = Stored(1 - ext(p));
    const double G = Stored(ext(LnGamma(Stored(R + ext(k)))) -
                                         LnGamma(Stored(k + 1.0L)) - LnGamma(R));
    if (k <= INT32_MAX) {
        const ext e = numkern::Exp(G);
        const double w = Stored(e < kRoundedCoefficientBound ? std::rint(e) : e);
        const ext pR = IntPower(p, R);
        const ext qk = IntPower(q, static_cast<std::int32_t>(k));
        const ext product = pR * w * qk;
        if (NormalExtended(pR) && NormalExtended(qk) && NormalExtended(w) && std::isfinite(product))
            return product;
    }
    return numkern::Exp(Stored(G + R * Ln(p) + k * Ln(q)));
}

class NegBinomMasses {
public:
    NegBinomMasses(std::int32_t R, double p) : R_(R), p_(p), q_(Stored(1 - ext(p))) {}
    ext Mass(double k) const { return MassAt(k, R_, p_); }
    ext Ratio(double k) const { return (R_ + ext(k)) / (k + 1) * q_; }
    double Mode() const { return R_ > 1 ? Stored(std::floor((R_ - 1) * ext(q_) / p_)) : 0; }

private:
    std::int32_t R_;
    double p_;
    double q_;
};

}  // namespace

// A point that is not a whole number, or that lies beyond the 32-bit range,
// has mass 0.
double NegBinomPDF(double x, std::int32_t R, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p > 1 || p < 0 || R < 1) return NaN;
    if (x < 0) return 0;
    if (!detail::TruncFitsInt32(x) || x != std::trunc(x)) return 0;
    return Stored(MassAt(x, R, p));
}

// The masses at 0..trunc(x); an infinite x adds them all. If the walk is too
// long (p near 0 makes the support huge) the same probability comes from
// the incomplete beta function, P(X <= k) = I_p(R, k + 1).
double NegBinomCDF(double x, std::int32_t R, double p) {
    if (AnyNaN(x, p)) return NaN;
    if (p > 1 || p < 0 || R < 1 || x < 0) return NaN;
    if (p == 0) return 0;
    const double last = std::trunc(x);
    double s = detail::SumMasses(NegBinomMasses(R, p), 0, last);
    if (numkern::IsNaN(s)) s = numkern::IsInf(last) ? 1 : BetaI(p, R, Stored(last + 1.0L));
    return s > 1 ? 1 : s;
}

// With p = 0 every mass is 0 and no sum reaches a positive probability: a
// success never comes, so the quantile is +Inf. A sum that stops growing
// below prob (prob within rounding of 1) answers the point where it stopped.
double NegBinomCDFInv(double prob, std::int32_t R, double p) {
    if (AnyNaN(prob, p)) return NaN;
    if (p > 1 || p < 0 || R < 1 || prob < 0 || prob > 1) return NaN;
    if (prob == 1) return Inf;
    if (p == 0) return prob > 0 ? Inf : 0;
    return detail::UnboundedQuantile(
        detail::WalkMasses(NegBinomMasses(R, p), 0, Inf, prob, [prob](double s) { return !(s < prob); }),
        Inf);
}

}  // namespace distrium
