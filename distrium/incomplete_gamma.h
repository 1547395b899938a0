// The regularised incomplete gamma ratios P(a, x) and Q(a, x) for one shape
// a, as the gamma, chi-square and Poisson laws use them: both tails at an
// extended x, the smaller one computed directly and the other as its
// complement, together with the weight x^a e^-x / Gamma(a + 1) they share
// with the density. Internal to distrium.
#pragma once

#include "distrium/internal.h"

namespace distrium::detail {

struct GammaTails {
    ext P;
    ext Q;
    // x^a e^-x / Gamma(a + 1); a times it over x is the density of the
    // standard gamma law at x.
    ext Weight;
};

// A finite shape a > 0 with its normalising logarithm worked out once, so
// that the inverses, which evaluate many points of one shape, pay for it
// once.
class GammaShape {
public:
    explicit GammaShape(double a);

    double Shape() const { return a_; }
    // ln Gamma(a + 1), extended.
    ext LnGammaShapePlusOne() const;
    ext Weight(ext x) const;
    // 0 < x < +Inf.
    GammaTails Tails(ext x) const;

private:
    GammaTails Lower(ext x, ext weight) const;
    GammaTails Upper(ext x, ext weight) const;
    GammaTails SmallShapeUpper(ext x, ext lnX) const;
    GammaTails Temme(ext x) const;

    double a_;
    // Below a shape of 16: Gamma(a + 1). From there on, Loader's Stirling
    // error of a and e to the minus that over sqrt(2 pi a): the weight is
    // then normFactor exp(-(a ln(a / x) + x - a)).
    ext gammaPlusOne_ = 0;
    ext stirlingError_ = 0;
    ext normFactor_ = 0;
};

// The sum of the series sum_n x^n / ((a + 1) ... (a + n)), which times the
// weight is P(a, x); NaN when it has not settled within the iteration bound.
ext GammaLowerSeries(double a, ext x);
// The continued fraction that times a times the weight is Q(a, x) (modified
// Lentz); NaN when it has not settled.
ext GammaUpperFraction(double a, ext x);

// The tail on the far side of x from a, Q(a, x) for x > a and P(a, x)
// below, by Temme's uniform expansion in the deviance D = a ln(a/x) + x - a;
// for a >= 20 and |x - a| < 0.4 a.
// expMinusD is e^-D.
ext GammaTemmeTail(double a, ext x, ext deviance, ext expMinusD);

// The x > 0 with P(a, x) = p (Upper false) or Q(a, x) = p (Upper true), for
// 0 < p < 1; 0 where it lies below the extended range.
ext GammaTailInverse(const GammaShape& shape, double p, bool Upper);

}  // namespace distrium::detail
