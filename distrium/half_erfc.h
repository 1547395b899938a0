// erfc in extended precision for the uniform expansions of the incomplete
// gamma and beta functions, whose leading term it is. Internal to distrium.
#pragma once

#include <cmath>

#include "distrium/internal.h"

namespace distrium::detail {

inline constexpr ext kInvSqrtPi = 0.564189583547756286948079451560772586L;

// e^(y^2) erfc(y) for y >= 5 by its continued fraction (Laplace), evaluated
// from the tail: 22 levels reach 1e-19 from y = 5 on, 14 from y = 8.
inline ext ScaledErfc(ext y) {
    const int levels = y < 8 ? 22 : 14;
    ext t = 0;
    for (int k = levels; k >= 1; --k) t = (0.5L * k) / (y + t);
    return kInvSqrtPi / (y + t);
}

// erfc(y) / 2 for 0 <= y < 5: the double erfc at y rounded to double, moved
// to y by its derivative -2/sqrt(pi) e^(-y^2) over the rounding (whose
// square is far below the last place).
inline ext HalfErfc(ext y) {
    const double yd = Stored(y);
    const ext rest = y - yd;
    return 0.5L * (ext(std::erfc(yd)) - rest * 2 * kInvSqrtPi * ext(std::exp(-yd * yd)));
}

}  // namespace distrium::detail
