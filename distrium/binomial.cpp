// The binomial coefficient C(N, K) as a real number, by the product
// N (N-1)/2 (N-2)/3 ... rounded to the nearest integral value at the end.
#include <cmath>
#include <cstdint>

#include "distrium/distrium.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ext;
using detail::Stored;

double Binomial(std::int32_t N, std::int32_t K) {
    // There are no ways to choose more than N (this also covers a negative N).
    if (K < 0 || K > N) return 0.0;
    if (K == 0 || K == N) return 1.0;
    // N - 1 and N + 1 - i are formed in 64 bits: N may be INT32_MAX.
    const std::int64_t n = N;
    if (K == 1 || K == n - 1) return N;
    const std::int64_t k = n - K < K ? n - K : K;
    double r = N;
    for (std::int64_t i = 2; i <= k; ++i) {
        r = Stored(static_cast<ext>(n + 1 - i) / i * r);
        // Once the product overflows it stays +Inf: the rest of the loop,
        // up to a billion steps, would change nothing.
        if (numkern::IsInf(r)) break;
    }
    return Stored(std::trunc(static_cast<ext>(r) + 0.5L));
}

}  // namespace distrium
