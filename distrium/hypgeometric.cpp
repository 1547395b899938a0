// Hypergeometric distribution: k successes in N draws without replacement
// from a population of M holding K successes. The mass
// C(K, k) C(M-K, N-k) / C(M, N) is formed from log-gamma values at the real
// point (it is not reduced to a whole number); the CDF adds the masses up
// to the truncated point and the quantile walks them upward.
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
using numkern::LnGamma;
using numkern::NaN;

namespace {

// LnGamma(a) - LnGamma(b) - LnGamma(c), the first term stored, the whole
// stored: the logarithm of a binomial coefficient as the mass forms it.
double LnGammaDifference(double a, double b, double c) {
    return Stored(ext(LnGamma(a)) - LnGamma(b) - LnGamma(c));
}

// Every "+ 1" of the formula is taken in floating point: K + 1 or M - K + 1
// overflows a 32-bit integer when the operand is INT32_MAX.
class HypGeometricMasses {
public:
    HypGeometricMasses(std::int32_t M, std::int32_t K, std::int32_t N)
        : M_(M),
          K_(K),
          N_(N),
          rest_(std::int64_t{M} - K - N),
          lnChooseMN_(LnGammaDifference(M + 1.0, N + 1.0, double(M - N) + 1)) {}

    // Below N + K - M, where (M - K - N) + x + 1 <= 0, the mass is 0.
    bool BelowSupport(double x) const { return rest_ + ext(x) + 1 <= 0; }

    ext Mass(double x) const {
        if (BelowSupport(x)) return 0;
        const double T1 = LnGammaDifference(K_ + 1.0, Stored(ext(x) + 1),
                                            Stored((K_ - ext(x)) + 1));
        const double T3 = LnGammaDifference(double(M_ - K_) + 1, Stored((N_ - ext(x)) + 1),
                                            Stored(rest_ + ext(x) + 1));
        return numkern::Exp(Stored(ext(T1) + T3 - lnChooseMN_));
    }
    ext Ratio(double k) const { return (K_ - ext(k)) * (N_ - ext(k)) / ((ext(k) + 1) * (rest_ + ext(k) + 1)); }
    double Mode() const { return Stored(std::floor((N_ + 1.0L) * (K_ + 1.0L) / (M_ + 2.0L))); }

private:
    std::int32_t M_;
    std::int32_t K_;
    std::int32_t N_;
    ext rest_;
    double lnChooseMN_;
};

bool BadPopulation(std::int32_t M, std::int32_t K, std::int32_t N) {
    return M < 0 || K < 0 || N < 0 || N > M || K > M;
}

}  // namespace

double HypGeometricPDF(double x, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (BadPopulation(M, K, N) || x > N || x > K) return NaN;
    const HypGeometricMasses masses(M, K, N);
    if (masses.BelowSupport(x)) return 0;
    if (x < 0) return 0;
    return Stored(masses.Mass(x));
}

// The sum stops at min(trunc(x), N, K), which is trunc(x) once x <= N, K.
double HypGeometricCDF(double x, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (BadPopulation(M, K, N) || x > N || x > K || x < 0) return NaN;
    const double s = detail::SumMasses(HypGeometricMasses(M, K, N), 0, std::trunc(x));
    return s > 1 ? 1 : s;
}

// The answer counts the steps of the upward walk taken while the running
// sum was more than Eps below p: a sum within Eps of p counts as having
// reached it. The sum grows, so that count is the first k whose sum comes
// within Eps of p, or min(N, K) when none does.
double HypGeometricCDFInv(double p, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(p)) return NaN;
    if (BadPopulation(M, K, N) || p < 0 || p > 1) return NaN;
    const double top = std::min(N, K);
    return detail::BoundedQuantile(
        detail::WalkMasses(HypGeometricMasses(M, K, N), 0, top, p,
                           [p](double s) { return !(ext(s) + numkern::Eps < p); }),
        top);
}

}  // namespace distrium
