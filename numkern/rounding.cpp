// Ceiling and floor to 32-bit integers, minimum and sign. A value outside
// the 32-bit range (or NaN) converts to -2147483648, the x87 "integer
// indefinite", instead of the undefined C++ conversion.
#include <cmath>
#include <cstdint>

#include "numkern/numkern.h"

namespace numkern {

namespace {

constexpr std::int32_t IntegerIndefinite = INT32_MIN;

std::int32_t ToInt32(long double T) {
    if (!(T >= -2147483648.0L && T <= 2147483647.0L)) return IntegerIndefinite;
    return static_cast<std::int32_t>(T);
}

}  // namespace

std::int32_t Ceil(double X) {
    long double t = std::trunc(static_cast<long double>(X));
    if (X - t > 0) t += 1.0L;
    return ToInt32(t);
}

std::int32_t Floor(double X) {
    long double t = std::trunc(static_cast<long double>(X));
    if (X - t < 0) t -= 1.0L;
    return ToInt32(t);
}

double Min(double A, double B) { return A > B ? B : A; }

std::int32_t Sign(double X) {
    if (X > 0) return 1;
    if (X < 0) return -1;
    return 0;
}

}  // namespace numkern
