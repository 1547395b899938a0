// ln |Gamma(X)| from four regimes: poles, the Stirling series for large
// arguments, reflection for large negative ones, and otherwise a shift into
// [2, 3) where a rational approximation applies, with a power series of
// 1/Gamma for arguments that come within 1/32 of zero during the shift.
// Every "stored" intermediate is rounded to double; the rest is extended.
#include <cmath>
#include <cstdint>

#include "numkern/numkern.h"

namespace numkern {

namespace {

using ext = long double;

double Stored(ext V) { return static_cast<double>(V); }

// An unordered comparison counts as equal, as the x87 flags test it.
bool EqualOrUnordered(ext A, ext B) { return !(A < B || A > B); }

// Horner's rule with every step rounded to double: ((c0 x + c1) x + ...) x + cn.
template <std::size_t N>
double StoredHorner(const ext (&c)[N], double X) {
    double s = Stored(c[0] * X + c[1]);
    for (std::size_t k = 2; k < N; ++k) s = Stored(s * static_cast<ext>(X) + c[k]);
    return s;
}

// 1/Gamma(X) = X + gamma X^2 + ... as X times a degree-8 polynomial, one
// coefficient set for each sign of X (the negative one in t = -X).
constexpr ext PositiveRecipGamma[] = {
    -0.0011939450513815100956L, 0.0072205994780369096724L, -0.0096220233604062716458L,
    -0.042197733607059154700L,  0.16653861137208052067L,   -0.042002635034033440543L,
    -0.65587807152025406849L,   0.57721566490153286083L,   1.0L,
};
constexpr ext NegativeRecipGamma[] = {
    0.0011333741672438943820L, 0.0072208372618931703256L, 0.0096219111550359767333L,
    -0.042197733437311917214L, -0.16653861139444135193L,  -0.042002635034021129102L,
    0.65587807152025365471L,   0.57721566490153286089L,   -1.0L,
};

// Stirling's correction in z = 1/X^2.
constexpr ext StirlingCorrection[] = {
    0.0048850261424322707808L,   -0.0018808019381193769073L, 0.00084127232973224980806L,
    -0.00059523458517656885148L, 0.00079365077958550707558L, -0.0027777777777503496034L,
    0.083333333333333314484L,
};

// The rational approximation on [2, 3): ln Gamma(2 + z) = z N(z) / D(z).
constexpr ext ShiftNumerator[] = {
    -2163.6908276438128576L, -87238.715228435114597L, -1104326.8146914642612L,
    -6111225.0120052143002L, -16255680.625437005911L, -20039374.181038151753L,
    -8875666.7836507038010L,
};
constexpr ext ShiftDenominator[] = {
    1.0L,
    -513.94814844353701439L,
    -34035.708405343046703L,
    -622744.11640662195015L,
    -4814940.3794118821861L,
    -17854332.870450781569L,
    -31386464.076561826621L,
    -20993367.177578958759L,
};

// 1/Gamma(X) for |X| <= 1/32, before ScaledGamma divides by it.
ext RecipGamma(double X) {
    if (X >= 0) return static_cast<ext>(X) * StoredHorner(PositiveRecipGamma, X);
    const double t = -X;
    return static_cast<ext>(t) * StoredHorner(NegativeRecipGamma, t);
}

constexpr double StirlingOnlyAbove = 1e10;
constexpr double ReflectionAbove = 34;
constexpr double StirlingFrom = 13;
constexpr double NearZero = 0.03125;

// The reflection formula for X < -34 (a = |X|, not an integer):
// ln|Gamma(X)| = ln pi - ln(a |sin(pi z)|) - ln Gamma(a), z the distance of a
// to its nearest integer.
double Reflection(double A) {
    // Truncation in floating point: a may exceed the 32-bit range.
    ext n = std::trunc(static_cast<ext>(A));
    ext z = A - n;
    if (z > 0.5L) {
        n += 1.0L;
        z = n - A;
    }
    const double w = Stored(A * Sin(static_cast<double>(ReduceAngle(Stored(Pi * z)))));
    return Stored((LnPi - Ln(w)) - LnGammaStirling(A));
}

// Shifts X (-34 <= X < 13, not a pole) into [2, 3) with the recurrence
// Gamma(y + 1) = y Gamma(y), keeping the product in p. Both loops run at
// most 36 times for arguments in that range.
double ShiftedLnGamma(double X) {
    double p = 1;
    double y = X;
    while (y >= 3) {
        y = Stored(static_cast<ext>(y) - 1);
        p = Stored(static_cast<ext>(p) * y);
    }
    while (y < 2) {
        if (std::fabs(y) <= NearZero) {
            const double g = ScaledGamma(y, p);
            // Below 1/DBL_MAX the quotient overflows although its logarithm
            // (up to about 745) does not: take the logarithms apart.
            if (IsInf(g)) return Stored(Ln(std::fabs(p)) - Ln(Stored(std::fabs(RecipGamma(y)))));
            return Stored(Ln(std::fabs(g)));
        }
        p = Stored(static_cast<ext>(p) / y);
        y = Stored(static_cast<ext>(y) + 1);
    }
    if (p < 0) p = -p;
    if (y == 2) return Stored(Ln(p));
    const double z = Stored(static_cast<ext>(y) - 2);
    const double num = StoredHorner(ShiftNumerator, z);
    const double den = StoredHorner(ShiftDenominator, z);
    return Stored(Ln(p) + (static_cast<ext>(z) * num) / den);
}

}  // namespace

std::int32_t GammaSign(double X) {
    if (X > 0) return 1;
    // The x87 64-bit truncation: out of range (and NaN) gives the integer
    // indefinite 0x8000000000000000, which is even.
    const ext a = std::trunc(std::fabs(static_cast<ext>(X)));
    const bool inRange = a < 9223372036854775808.0L;
    const std::uint64_t n = inRange ? static_cast<std::uint64_t>(a) : 0x8000000000000000ULL;
    return (n & 1u) == 0 ? -1 : 1;
}

double ScaledGamma(double X, double Scale) { return Stored(Scale / RecipGamma(X)); }

double LnGammaStirling(double X) {
    double q = Stored((static_cast<ext>(X) - 0.5L) * Ln(X) - X);
    q = Stored(q + static_cast<ext>(LnSqrt2Pi));
    if (X > StirlingOnlyAbove) return q;
    const double z = Stored(1.0L / (static_cast<ext>(X) * X));
    const double p = StoredHorner(StirlingCorrection, z);
    return Stored(p / static_cast<ext>(X) + q);
}

double LnGamma(double X) {
    // Poles; NaN lands here too, as does -Inf (its fractional part is NaN).
    if (EqualOrUnordered(X, 0) ||
        (X < 0 && EqualOrUnordered(X - std::trunc(static_cast<ext>(X)), 0)))
        return -Inf;
    if (X > MaxLnGammaArg) return Inf;
    const double a = std::fabs(X);
    if (a > ReflectionAbove) return X >= 0 ? LnGammaStirling(X) : Reflection(a);
    if (X >= StirlingFrom) return LnGammaStirling(X);
    return ShiftedLnGamma(X);
}

}  // namespace numkern
