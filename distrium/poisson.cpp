// Poisson distribution with mean lambda. The mass is e^-lambda lambda^k / k!
// in Loader's saddle-point form (e^-(deviance) / sqrt(2 pi k) with
// Stirling's error of k!), the two tails at a whole k are the regularised
// incomplete gamma functions P(X <= k) = Q(k + 1, lambda) and
// P(X > k) = P(k + 1, lambda), and a quantile takes one tail at a
// Cornish-Fisher guess and walks the masses next to it.
#include <cmath>
#include <cstdint>

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

// The mass at a whole k >= 0: e^-lambda at 0, Loader's form beyond.
ext MassAt(double k, double lambda) {
    if (k == 0) return std::exp(-ext(lambda));
    const ext lnMass = -detail::StirlingErrorWhole(k) - detail::Deviance(k, lambda);
    return detail::ExpOfExtended(lnMass) * std::sqrt(numkern::InvTwoPi / k);
}

// P(X <= k), or P(X > k) when Upper, at a whole k: 0 or 1 below the support
// and at the infinite ends; at k = 0 straight from e^-lambda. The mass at k
// is left in *mass when asked for.
double Tail(double k, double lambda, bool Upper, ext* mass = nullptr) {
    if (mass) *mass = k >= 0 && !numkern::IsInf(k) ? MassAt(k, lambda) : 0;
    if (k < 0) return Upper ? 1 : 0;
    if (numkern::IsInf(k)) return Upper ? 0 : 1;
    if (numkern::IsInf(lambda)) return Upper ? 1 : 0;
    if (k == 0) return Stored(Upper ? -std::expm1(-ext(lambda)) : std::exp(-ext(lambda)));
    return Upper ? GammaP(Stored(k + 1.0L), lambda) : GammaQ(Stored(k + 1.0L), lambda);
}

// The smallest whole k with P(X <= k) >= p, or with P(X > k) <= p when
// Upper, for 0 < p < 1. An infinite mean puts every mass beyond reach.
double Quantile(double pIn, double lambda, bool UpperIn) {
    // The same k from the smaller tail: 1 - p is exact there, and the
    // tail itself accurate where the other rounds to 1.
    const bool Upper = pIn > 0.5 ? !UpperIn : UpperIn;
    const double p = pIn > 0.5 ? 1 - pIn : pIn;
    if (numkern::IsInf(lambda)) return Inf;
    const double sd = std::sqrt(lambda);
    const double guess = detail::CornishFisherGuess(p, Upper, lambda, sd, 1 / sd);
    return detail::SmallestReachingByMasses(
        [=](double k, ext* mass) { return Tail(k, lambda, Upper, mass); },
        [lambda](double k) { return lambda / (ext(k) + 1); }, p, Upper, guess, 0, Inf);
}

}  // namespace

double PoissonPDF(std::int32_t x, double lambda) {
    if (AnyNaN(lambda)) return NaN;
    if (lambda <= 0) return NaN;
    if (x < 0) return 0;
    return Stored(MassAt(x, lambda));
}

// P(X <= floor(x)); 0 below the support, 1 at x = +Inf.
double PoissonCDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    return Tail(detail::WholeFloor(x), lambda, false);
}

double PoissonCCDF(double x, double lambda) {
    if (AnyNaN(x, lambda)) return NaN;
    if (lambda <= 0) return NaN;
    return Tail(detail::WholeFloor(x), lambda, true);
}

// p = 1 is outside the domain (there is no k with P(X <= k) = 1).
double PoissonCDFInv(double p, double lambda) {
    if (AnyNaN(p, lambda)) return NaN;
    if (lambda <= 0 || p < 0 || p >= 1) return NaN;
    if (p == 0) return 0;
    return Quantile(p, lambda, false);
}

// The mirror of PoissonCDFInv: p = 0 is outside the domain.
double PoissonCCDFInv(double p, double lambda) {
    if (AnyNaN(p, lambda)) return NaN;
    if (lambda <= 0 || p <= 0 || p > 1) return NaN;
    if (p == 1) return 0;
    return Quantile(p, lambda, true);
}

}  // namespace distrium
