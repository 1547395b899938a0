// Hypergeometric distribution: k successes in N draws without replacement
// from a population of M holding K successes. The mass
// C(K, k) C(M-K, N-k) / C(M, N) is formed, as in Loader's method, from three
// binomial masses at the drawing fraction N / M in saddle-point form:
// b(k; K) b(N-k; M-K) / b(N; M). A tail sums the masses from the point
// outward by the ratio of neighbouring masses, on the side away from the
// mean, where they fall off at least geometrically beyond a few standard
// deviations; the other tail is its complement. A quantile takes one tail at
// a Cornish-Fisher guess and walks the masses next to it, so that its cost
// depends on the spread of the law (at most sqrt(N) / 2), not on M.
#include <algorithm>
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
using numkern::NaN;

namespace {

class HypGeometricLaw {
public:
    HypGeometricLaw(std::int32_t M, std::int32_t K, std::int32_t N)
        : M_(M),
          K_(K),
          N_(N),
          lo_(std::max<ext>(0, ext(N) + K - M)),
          hi_(std::min(N, K)),
          mean_(M > 0 ? ext(N) * K / M : 0),
          p_(M > 0 ? ext(N) / M : 0),
          q_(M > 0 ? (ext(M) - N) / M : 1),
          all_(AllDrawn(M, N, p_, q_)) {}

    double Lo() const { return Stored(lo_); }
    double Hi() const { return hi_; }

    // The mass at a whole k of the support.
    ext Mass(ext k) const {
        if (M_ == 0) return 1;
        const detail::SaddleMass good = detail::LoaderBinomialParts(k, K_, p_, q_);
        const detail::SaddleMass bad = detail::LoaderBinomialParts(N_ - k, M_ - K_, p_, q_);
        return detail::ExpOfExtended(good.lnPart + bad.lnPart - all_.lnPart) *
               std::sqrt(static_cast<double>(good.root * bad.root / all_.root));
    }

    // P(X <= k), or P(X > k) when Upper, at a whole k: the tail away from
    // the mean is summed, the other is its complement. The mass at k, which
    // the sums start from, is left in *mass when asked for.
    double Tail(double k, bool Upper, ext* mass = nullptr) const {
        if (mass) *mass = k == hi_ ? Mass(k) : 0;
        if (k < lo_) return Upper ? 1 : 0;
        if (k >= hi_) return Upper ? 0 : 1;
        if (k < mean_) {
            const ext below = SumDown(k, mass);
            return Stored(Upper ? 1 - below : std::min<ext>(below, 1));
        }
        const ext above = SumUp(k, mass);
        return Stored(Upper ? std::min<ext>(above, 1) : 1 - above);
    }

    // The smallest whole k with P(X <= k) >= p, or with P(X > k) <= p when
    // Upper, for 0 < p < 1.
    double Quantile(double pIn, bool UpperIn) const {
        // The same k from the smaller tail: 1 - p is exact there, and the
        // tail itself accurate where the other rounds to 1.
        const bool Upper = pIn > 0.5 ? !UpperIn : UpperIn;
        const double p = pIn > 0.5 ? 1 - pIn : pIn;
        if (lo_ == hi_) return hi_;
        const ext f = K_ / M_;
        const ext variance = N_ * f * (1 - f) * (M_ - N_) / (M_ - 1);
        const ext sd = std::sqrt(variance);
        const ext skew = (M_ - 2 * K_) * std::sqrt(M_ - 1) * (M_ - 2 * N_) /
                         (std::sqrt(N_ * K_ * (M_ - K_) * (M_ - N_)) * (M_ - 2));
        const double guess = detail::CornishFisherGuess(p, Upper, Stored(mean_), Stored(sd),
                                                        std::isfinite(skew) ? Stored(skew) : 0);
        return detail::SmallestReachingByMasses(
            [this, Upper](double k, ext* mass) { return Tail(k, Upper, mass); },
            [this](double k) { return Ratio(k); }, p, Upper, guess, Lo(), Hi());
    }

private:
    // m(j + 1) / m(j) = Rising(j) / Falling(j): the two factors apart, so
    // that the sums can run over a common denominator.
    ext Rising(ext j) const { return (K_ - j) * (N_ - j); }
    ext Falling(ext j) const { return (j + 1) * (M_ - K_ - N_ + j + 1); }
    ext Ratio(ext j) const { return Rising(j) / Falling(j); }

    // The masses at k, k - 1, ... down to the support's start, until they no
    // longer change the sum (below the mean they fall off going down).
    ext SumDown(ext k, ext* mass) const {
        const ext first = Mass(k);
        if (mass) *mass = first;
        // m(j - 1) / m(j), the inverse of Ratio(j - 1).
        return SumFrom(
            first, k, -1, [this](ext j) { return Falling(j - 1); },
            [this](ext j) { return Rising(j - 1); });
    }

    // The masses at k + 1, k + 2, ... up to the support's end.
    ext SumUp(ext k, ext* mass) const {
        const ext first = Mass(k + 1);
        if (mass) *mass = first / Ratio(k);
        return SumFrom(
            first, k + 1, 1, [this](ext j) { return Rising(j); },
            [this](ext j) { return Falling(j); });
    }

    // first + the masses after it at j = from + step, from + 2 step, ...
    // within the support, each the one before times up(j) / down(j) at the
    // j it follows, until they no longer change the sum. The sum and the
    // current mass are carried over one common denominator, which saves the
    // division a mass would cost; it is brought back before it overflows.
    template <class Up, class Down>
    ext SumFrom(ext first, ext from, int step, const Up& up, const Down& down) const {
        ext sum = first;
        ext term = first;
        ext common = 1;
        const ext end = step < 0 ? lo_ : ext(hi_);
        for (ext j = from; j != end; j += step) {
            const ext ratioDown = down(j);
            term *= up(j);
            common *= ratioDown;
            sum = sum * ratioDown + term;
            if (!(term > sum * 0x1p-66L)) break;
            if (common > 0x1p8000L) {
                sum *= 0x1p-8000L;
                term *= 0x1p-8000L;
                common *= 0x1p-8000L;
            }
        }
        return sum / common;
    }

    // The mass of drawing N of M at the drawing fraction, the denominator of
    // every mass of the law; a range evaluates many points of one law, so
    // the last law's is kept, per thread.
    static detail::SaddleMass AllDrawn(std::int32_t M, std::int32_t N, ext p, ext q) {
        thread_local std::int32_t lastM = -1;
        thread_local std::int32_t lastN = -1;
        thread_local detail::SaddleMass last{};
        if (M == 0) return {0, 1};
        if (M != lastM || N != lastN) {
            last = detail::LoaderBinomialParts(N, M, p, q);
            lastM = M;
            lastN = N;
        }
        return last;
    }

    ext M_;
    ext K_;
    ext N_;
    ext lo_;
    double hi_;
    ext mean_;
    ext p_;
    ext q_;
    detail::SaddleMass all_;
};

bool BadPopulation(std::int32_t M, std::int32_t K, std::int32_t N) {
    return M < 0 || K < 0 || N < 0 || N > M || K > M;
}

}  // namespace

// A point that is not whole (after snapping to a whole number it lies
// within a few ulps of), or outside the support, has mass 0.
double HypGeometricPDF(double x, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (BadPopulation(M, K, N)) return NaN;
    const HypGeometricLaw law(M, K, N);
    const double k = detail::SnapWhole(x);
    if (k != std::floor(k) || k < law.Lo() || k > law.Hi()) return 0;
    return Stored(law.Mass(k));
}

// P(X <= floor(x)): 0 below the support, 1 above.
double HypGeometricCDF(double x, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (BadPopulation(M, K, N)) return NaN;
    return HypGeometricLaw(M, K, N).Tail(detail::WholeFloor(x), false);
}

double HypGeometricCCDF(double x, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (BadPopulation(M, K, N)) return NaN;
    return HypGeometricLaw(M, K, N).Tail(detail::WholeFloor(x), true);
}

// p = 0 answers 0, p = 1 the top of the support, min(N, K).
double HypGeometricCDFInv(double p, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(p)) return NaN;
    if (BadPopulation(M, K, N) || p < 0 || p > 1) return NaN;
    if (p == 0) return 0;
    const HypGeometricLaw law(M, K, N);
    if (p == 1) return law.Hi();
    return law.Quantile(p, false);
}

// The mirror of HypGeometricCDFInv: p = 1 answers 0, p = 0 the top of the
// support.
double HypGeometricCCDFInv(double p, std::int32_t M, std::int32_t K, std::int32_t N) {
    if (AnyNaN(p)) return NaN;
    if (BadPopulation(M, K, N) || p < 0 || p > 1) return NaN;
    if (p == 1) return 0;
    const HypGeometricLaw law(M, K, N);
    if (p == 0) return law.Hi();
    return law.Quantile(p, true);
}

}  // namespace distrium
