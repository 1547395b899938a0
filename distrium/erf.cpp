// The error function as the incomplete gamma function at shape 1/2,
// erf(X) = sign(X) P(1/2, X^2), and its inverse: a rational first guess,
// split at |Y| = 0.7 into a central and a tail formula, refined by two
// Newton steps on erf.
#include <cmath>

#include "distrium/distrium.h"
#include "distrium/internal.h"
#include "numkern/numkern.h"

namespace distrium {

using detail::ext;
using detail::Stored;

namespace {

constexpr double A1 = 0.886226899, A2 = -1.645349621, A3 = 0.914624893, A4 = -0.140543331;
constexpr double B1 = -2.118377725, B2 = 1.442710462, B3 = -0.329097515, B4 = 0.012229801;
constexpr double C1 = -1.970840454, C2 = -1.624906493, C3 = 3.429567803, C4 = 1.641345311;
constexpr double D1 = 3.5438892, D2 = 1.6370678;

constexpr double CentralBound = 0.7;

// erf(+-1) is infinite; the inverse answers with 1.797693134862315e308 read
// as a double (7FEFFFFFFFFFFFFB), four ulps below the largest double.
constexpr double EndValue = 1.797693134862315e308;

// The tail formula in z = sqrt(-ln((1 - |Y|) / 2)), without its sign.
double Tail(ext OneMinusAbsY) {
    const double z = Stored(std::sqrt(-numkern::Ln(Stored(OneMinusAbsY * 0.5L))));
    const ext zz = z;
    return Stored((((C4 * zz + C3) * zz + C2) * zz + C1) / ((D2 * zz + D1) * zz + 1));
}

}  // namespace

double Erf(double X) {
    // NaN in, NaN out: through GammaP it would come back as -0.
    if (std::isnan(X)) return numkern::NaN;
    const double xx = Stored(static_cast<ext>(X) * X);
    return X >= 0 ? GammaP(0.5, xx) : -GammaP(0.5, xx);
}

double ErfInv(double Y) {
    double x = 0;
    if (std::fabs(Y) <= CentralBound) {
        const double z = Stored(static_cast<ext>(Y) * Y);
        const ext zz = z;
        x = Stored(Y * (((A4 * zz + A3) * zz + A2) * zz + A1) /
                   ((((B4 * zz + B3) * zz + B2) * zz + B1) * zz + 1));
    } else if (CentralBound < Y && Y < 1) {
        x = Tail(1 - static_cast<ext>(Y));
    } else if (-1 < Y && Y < -CentralBound) {
        x = -Tail(1 + static_cast<ext>(Y));
    }
    const ext twoOverSqrtPi = 2 / std::sqrt(static_cast<ext>(numkern::Pi));
    for (int step = 0; step < 2; ++step) {
        const ext e = static_cast<ext>(Erf(x)) - Y;
        const double w = Stored(numkern::Exp(Stored(-static_cast<ext>(x) * x)));
        x = Stored(x - e / (twoOverSqrtPi * w));
    }
    if (Y == -1) return -EndValue;
    if (Y == 1) return EndValue;
    if (std::fabs(Y) > 1) numkern::RaiseOrlenError("abs(y) > 0");
    return x;
}

}  // namespace distrium
