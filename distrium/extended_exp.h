// Exponentials and logarithms a little beyond double accuracy, for the
// places where a tail multiplies an error: e^A of a large exponent A loses
// |A| ulps if A is rounded to double first, and an exponent formed from a
// logarithm inherits that logarithm's absolute error. The double library
// functions are fast; the x87 unit's own (numkern's Exp and Ln) carry 11
// more bits and are kept for the far tails, where they are needed.
// Internal to distrium.
#pragma once

#include <cmath>

#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium::detail {

// e^A for an extended A to double accuracy: the part lo = A - hi lost in
// rounding A to double is put back as the factor 1 + lo, since
// e^(hi + lo) = e^hi (1 + lo) for |lo| below an ulp of hi.
inline ext ExpOf(ext A) {
    const double hi = Stored(A);
    const double e = std::exp(hi);
    // Beyond the double range (and at the infinities) e^hi is 0 or Inf and
    // A - hi is no correction.
    if (e == 0 || std::isinf(e) || std::isnan(e)) return e;
    return e * (1 + (A - hi));
}

// e^A with about 19 digits, for a value that is itself exponentiated or
// raised to a large power afterwards: the x87 exponential of hi, corrected
// as above.
inline ext ExpFine(ext A) {
    const double hi = Stored(A);
    if (!std::isfinite(hi)) return std::exp(hi);
    return numkern::Exp(hi) * (1 + (A - hi));
}

// ln x for x > 0 with an absolute error of about 4e-17 whatever the size of
// ln x: x = 2^e m with m in [sqrt(1/2), sqrt(2)), where |ln m| < 0.35, and
// ln x = e ln 2 + ln m, ln 2 split into a 32-bit head, whose product with e
// is exact, and the rest.
inline ext LnSplit(double x) {
    constexpr ext Ln2Head = 0.693147180369123816490173339844L;
    constexpr ext Ln2Tail = 1.90821492927058781614426568076e-10L;
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752) {
        m *= 2;
        --e;
    }
    return e * Ln2Head + (e * Ln2Tail + std::log(m));
}

}  // namespace distrium::detail
