// Float classification on the 64 bits of a double alone (no floating-point
// comparison), and an equality that matches NaN with NaN and an infinity
// with an infinity of either sign.
#include <bit>
#include <cstdint>

#include "numkern/numkern.h"

namespace numkern {

namespace {

constexpr std::uint64_t ExponentMask = 0x7FF0000000000000ULL;
constexpr std::uint64_t FractionMask = 0x000FFFFFFFFFFFFFULL;

std::uint64_t Bits(double X) { return std::bit_cast<std::uint64_t>(X); }

}  // namespace

bool IsNaNOrInf(double X) { return (Bits(X) & ExponentMask) == ExponentMask; }

bool IsNaN(double X) { return IsNaNOrInf(X) && (Bits(X) & FractionMask) != 0; }

bool IsInf(double X) { return IsNaNOrInf(X) && (Bits(X) & FractionMask) == 0; }

bool SameFloat(double A, double B) {
    if (!IsNaNOrInf(A) && !IsNaNOrInf(B)) return A == B;
    if (IsNaN(A)) return IsNaN(B);
    if (IsInf(A)) return IsInf(B);
    return false;
}

}  // namespace numkern
