// The standard normal law's lower tail and quantile, shared by the normal,
// log-normal and Maxwell functions and by ErfInv. The point z is taken in
// extended precision: in the far tail the relative error of Phi(z) is about
// z^2 times the relative error of z, so a z rounded to double would cost up
// to a thousand ulps there. Internal to distrium.
#pragma once

#include "distrium/internal.h"

namespace distrium::detail {

// Phi(z) = P(Z <= z), to a few ulps wherever it is a normal double
// (erf.cpp, through Cody's erfc).
ext StdNormalCDF(ext z);

// The z with Phi(z) = 1/2 + q, for |q| <= NormalCentralBound (Wichura's
// AS 241, normal_quantile.cpp).
ext NormalQuantileCentral(double q);

// The z > 0 with P(Z > z) = r, for 0 < r <= 1/2 - NormalCentralBound.
ext NormalQuantileTail(double r);

// The z with Phi(z) = p, for 0 < p < 1.
ext StdNormalQuantile(double p);

inline constexpr double NormalCentralBound = 0.425;

}  // namespace distrium::detail
