// Poisson distribution with mean lambda. The mass at k is e^-lambda times
// lambda^k / k!, the second factor built step by step; the CDF at a whole
// point is the upper incomplete gamma function Q(x + 1, lambda), at any
// other point the sum of the masses up to its truncation; the quantile
// walks the masses upward until their sum reaches the probability.
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
using detail::ext;
using detail::Stored;
using numkern::Exp;
using numkern::NaN;

namespace {

bool NormalDouble(double v) { return v >= DBL_MIN && v <= DBL_MAX; }

// The masses at whole points k >= 0. The product t = lambda^k / k! is kept
// as the formula keeps it, stored after each step, while every t from 1 to
// k is a normal double; once it overflows (lambda above about 700) or
// underflows, e^-lambda * t would be Inf, NaN or a crumbled subnormal, and
// the mass comes in saddle-point form, e^-(deviance) / sqrt(2 pi k) with
// Stirling's error of k!. Either way the product runs at most a few
// thousand steps before it leaves the range.
// The product is carried from one call to the next, so walking k upward
// costs one step per point.
class PoissonMasses {
public:
    explicit PoissonMasses(double lambda) : lambda_(lambda), expMinusLambda_(Exp(-lambda)) {}

    ext Mass(double k) const {
        if (k == 0) return expMinusLambda_;
        if (k < k_) {
            k_ = 1;
            t_ = lambda_;
            product_ = NormalDouble(t_);
        }
        while (product_ && k_ < k) {
            k_ += 1;
            t_ = Stored(t_ * ext(lambda_) / k_);
            product_ = NormalDouble(t_);
        }
        if (product_) return expMinusLambda_ * t_;
        const ext lnMass = -detail::StirlingError(k) - detail::Deviance(k, lambda_);
        return Exp(Stored(lnMass)) * std::sqrt(ext(numkern::InvTwoPi) / k);
    }
    ext Ratio(double k) const { return lambda_ / (ext(k) + 1); }
    double Mode() const { return std::floor(lambda_); }

private:
    double lambda_;
    ext expMinusLambda_;
    // The product reached so far: t_ = lambda^k_ / k_!, and whether every
    // step up to k_ stayed a normal double.
    mutable double k_ = numkern::Inf;
    mutable double t_ = 0;
    mutable bool product_ = false;
};

}  // namespace

double PoissonPDF(std::int32_t x, double lambda) {
    if (AnyNaN(lambda)) return NaN;
    if (lambda <= 0) return NaN;
    if (x < 0) return 0;
    return Stored(PoissonMasses(lambda).Mass(x));
}

// A negative point is 0, not NaN. The sum at a non-whole point also covers
// x = +Inf (all masses). Each branch stands in for the other where it has no
// value: the incomplete gamma function meets its iteration bound for means
// in the billions, and the sum needs too many steps for larger ones.
double PoissonCDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    if (x < 0) return 0;
    if (x == 0) return Stored(Exp(-lambda));
    const double k = std::trunc(x);
    const auto byGamma = [&] { return numkern::IsInf(k) ? 1 : GammaQ(Stored(ext(k) + 1), lambda); };
    const auto bySum = [&] { return detail::SumMasses(PoissonMasses(lambda), 0, k); };
    double s;
    if (std::isfinite(x) && x == k) {
        s = byGamma();
        if (numkern::IsNaN(s)) s = bySum();
    } else {
        s = bySum();
        if (numkern::IsNaN(s)) s = byGamma();
    }
    return s > 1 ? 1 : s;
}

// p = 1 is outside the domain. A sum that stops growing below p answers the
// point where it stopped; a walk too long for the time limit (lambda beyond
// about 1e10), or masses without a value, answer NaN.
double PoissonCDFInv(double p, double lambda) {
    if (AnyNaN(p, lambda)) return NaN;
    if (lambda <= 0 || p < 0 || p >= 1) return NaN;
    return detail::UnboundedQuantile(
        detail::WalkMasses(PoissonMasses(lambda), 0, numkern::Inf, p, [p](double s) { return !(p > s); }),
        NaN);
}

}  // namespace distrium
