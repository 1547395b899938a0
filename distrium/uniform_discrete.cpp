// Discrete uniform distribution on 1..N: mass 1/N at each whole point,
// P(X <= k) = k / N and P(X > k) = (N - k) / N, the quantiles Ceil(N p) and
// N - Floor(N p) checked against those values.
#include <cmath>
#include <cstdint>

#include "distrium/discrete_search.h"
#include "distrium/distrium.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::AnyNaN;
using detail::ext;
using detail::Stored;
using numkern::NaN;

namespace {

double LowerTail(double k, std::int32_t N) {
    if (k < 1) return 0;
    if (k >= N) return 1;
    return Stored(ext(k) / N);
}

double UpperTail(double k, std::int32_t N) {
    if (k < 1) return 1;
    if (k >= N) return 0;
    return Stored((N - ext(k)) / N);
}

}  // namespace

// A point is whole when it equals its floor after snapping; every double
// beyond 2^52 is whole, and lies outside 1..N anyway.
double UniformDPDF(double x, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (N < 1) return NaN;
    const double k = detail::SnapWhole(x);
    if (k != std::floor(k) || k < 1 || k > N) return 0;
    return Stored(1.0L / N);
}

double UniformDCDF(double x, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (N < 1) return NaN;
    return LowerTail(detail::WholeFloor(x), N);
}

double UniformDCCDF(double x, std::int32_t N) {
    if (AnyNaN(x)) return NaN;
    if (N < 1) return NaN;
    return UpperTail(detail::WholeFloor(x), N);
}

// p = 0 is outside the domain here. The closed form can be one off where
// N p rounds across a whole number; the search settles it on k / N.
double UniformDCDFInv(double p, std::int32_t N) {
    if (AnyNaN(p)) return NaN;
    if (N < 1 || p <= 0 || p > 1) return NaN;
    return detail::SmallestReaching([N](double k) { return LowerTail(k, N); },
                                    [p](double v) { return v >= p; }, std::ceil(Stored(ext(N) * p)),
                                    1, N);
}

// The mirror of UniformDCDFInv: p = 1 is outside the domain.
double UniformDCCDFInv(double p, std::int32_t N) {
    if (AnyNaN(p)) return NaN;
    if (N < 1 || p < 0 || p >= 1) return NaN;
    return detail::SmallestReaching([N](double k) { return UpperTail(k, N); },
                                    [p](double v) { return v <= p; },
                                    N - std::floor(Stored(ext(N) * p)), 1, N);
}

}  // namespace distrium
