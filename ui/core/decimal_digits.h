// The leading significant decimal digits of a double, correctly rounded
// (ties to even, as std::to_chars and printf round): the exact expansion
// that the number texts start from.
#pragma once

namespace uicore {

inline constexpr int MaxDecimalDigits = 19;

// |v| = 0.D1 D2 .. Dn x 10^E with D1 not zero.
struct TDecimalDigits {
    char D[MaxDecimalDigits];
    int E;
};

// N from 1 to 19 digits of a finite, non-zero Magnitude (> 0).
TDecimalDigits DecimalDigits(double Magnitude, int N);

}  // namespace uicore
