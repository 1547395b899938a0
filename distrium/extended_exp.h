// e^A for an exponent held in extended precision, to double accuracy. The
// exponent of a far tail is large (about -690 at 1e-300), and rounding it to
// double first would cost |A| units in the last place of the result; the
// part lost in that rounding is put back as the factor 1 + lo, since
// e^(hi + lo) = e^hi (1 + lo) to double accuracy for |lo| below an ulp of hi.
// Internal to distrium.
#pragma once

#include <cmath>

#include "distrium/internal.h"

namespace distrium::detail {

inline ext ExpOf(ext A) {
    const double hi = Stored(A);
    const double e = std::exp(hi);
    // Beyond the double range (and at the infinities) e^hi is 0 or Inf and
    // A - hi is no correction.
    if (e == 0 || std::isinf(e) || std::isnan(e)) return e;
    return e * (1 + (A - hi));
}

}  // namespace distrium::detail
