// Trigonometric functions, the logarithm, the exponential and angle
// reduction, all in extended precision. Exp and Ln are the x87 unit's own
// steps (f2xm1/fscale, fyl2x), so Exp of an infinity is NaN, not 0 or Inf.
#include <cmath>

#include "numkern/numkern.h"
#include "numkern/x87.h"

namespace numkern {

long double Sin(double X) { return std::sin(static_cast<long double>(X)); }

long double Tan(double X) { return std::tan(static_cast<long double>(X)); }

long double ArcTan(double X) { return ArcTan2(X, 1.0); }

long double ArcTan2(double Y, double X) {
    return std::atan2(static_cast<long double>(Y), static_cast<long double>(X));
}

long double Ln(double X) { return x87::YLog2X(x87::Ln2(), X); }

long double Exp(double X) { return x87::Pow2(X * x87::Log2E()); }

long double ReduceAngle(double X) {
    const long double twoPi = 2.0L * x87::Pi();
    // Truncation, not rounding, so the result keeps the sign of X.
    return X - twoPi * std::trunc(X / twoPi);
}

}  // namespace numkern
